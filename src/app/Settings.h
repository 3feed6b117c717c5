#pragma once
// The lines of "conf.dat": line 1 the welcome window at start-up, line 2 the language.
#include <string>

#include "TextLines.h"

namespace twinsweep {

inline constexpr const char* SettingsFileName = "conf.dat";
inline constexpr int LanguageCount = 3;
// How much of "conf.dat" is read: far more than its lines need, so a huge file cannot
// hold up the start-up.
inline constexpr size_t SettingsReadLimit = 16 * 1024;

enum class WelcomeChoice { Show, Hide, Missing };

// The folder of "conf.dat": the program's folder when files can be made there, else the
// user's configuration folder (the program's folder again when that cannot be made).
std::string SettingsFolder(const std::string& programFolder);

// The lines of "conf.dat" in `settingsDir`. When it cannot be read, the file is made, with
// the lines of "conf.dat" in `programFolder` when that is another folder and can be read
// (a first start in the user's folder), else empty; raises when it cannot be written.
TextLines ReadOrMakeSettings(const std::string& settingsDir, const std::string& programFolder);

// Line 1 exactly "1" shows the welcome window; any other text hides it.
WelcomeChoice WelcomeFromSettings(const TextLines& lines);

// Line 2 as an integer 1..3; anything else, or no line 2, is language 1.
int LanguageFromSettings(const TextLines& lines);

// Line 1 becomes "1" or "0" (the only line when there was none); other lines stay.
void StoreWelcomeSetting(TextLines& lines, bool show);

// Line 2 becomes the language's number; a missing line 1 is "1", which a missing file
// meant too. Other lines stay.
void StoreLanguageSetting(TextLines& lines, int language);

// Writes the lines to "conf.dat" in SettingsDir. A failure, or no folder yet (before the
// start-up sequence), is silent: the setting then holds until the program ends.
void WriteSettingsQuietly(const TextLines& lines);

} // namespace twinsweep
