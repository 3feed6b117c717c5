#include "Settings.h"

#include <algorithm>

#include "ConfigFolder.h"
#include "Conversions.h"
#include "Errors.h"
#include "Globals.h"

namespace twinsweep {

std::string SettingsFolder(const std::string& programFolder) {
    if (FolderWritable(programFolder))
        return programFolder;
    try {
        return UserConfigFolder();
    } catch (const Exception&) {
        return programFolder;
    }
}

TextLines ReadOrMakeSettings(const std::string& settingsDir, const std::string& programFolder) {
    const std::string path = settingsDir + SettingsFileName;
    try {
        return ReadTextLines(path, SettingsReadLimit);
    } catch (const Exception&) {
        // Missing or unreadable: made again below.
    }
    TextLines lines;
    if (settingsDir != programFolder) {
        try {
            lines = ReadTextLines(programFolder + SettingsFileName, SettingsReadLimit);
        } catch (const Exception&) {
            // Nothing to take over: the file starts empty.
        }
    }
    WriteTextLines(path, lines);
    return lines;
}

WelcomeChoice WelcomeFromSettings(const TextLines& lines) {
    if (lines.empty())
        return WelcomeChoice::Missing;
    return lines[0] == "1" ? WelcomeChoice::Show : WelcomeChoice::Hide;
}

int LanguageFromSettings(const TextLines& lines) {
    if (lines.size() < 2)
        return 1;
    const auto value = TryStrToInt(lines[1]);
    return value && *value >= 1 && *value <= LanguageCount ? *value : 1;
}

void StoreWelcomeSetting(TextLines& lines, bool show) {
    const std::string line = show ? "1" : "0";
    if (lines.empty())
        lines.push_back(line);
    else
        lines[0] = line;
}

void StoreLanguageSetting(TextLines& lines, int language) {
    if (lines.empty())
        lines.push_back("1");
    lines.resize(std::max<size_t>(lines.size(), 2));
    lines[1] = std::to_string(language);
}

void WriteSettingsQuietly(const TextLines& lines) {
    if (SettingsDir.empty())
        return;
    try {
        WriteTextLines(SettingsDir + SettingsFileName, lines);
    } catch (const Exception&) {
    }
}

} // namespace twinsweep
