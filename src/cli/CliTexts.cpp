#include "CliTexts.h"

#include <cstdio>
#include <string_view>

#include "CountedKeyText.h"
#include "Errors.h"
#include "KeepReasonKeys.h"
#include "WindowStringTables.h"

namespace twinsweep {

namespace {

// "pt_BR.UTF-8" → 2; 0 for a language the command does not speak.
int LanguageOfLocale(std::string_view locale) {
    const std::string_view code = locale.substr(0, locale.find_first_of("_.@"));
    if (code == "en")
        return 1;
    if (code == "pt")
        return 2;
    if (code == "fr")
        return 3;
    return 0;
}

} // namespace

int LanguageFromEnvironment(const std::function<const char*(const char*)>& variable) {
    const auto value = [&](const char* name) {
        const char* text = variable(name);
        return std::string_view(text ? text : "");
    };
    // The locale the messages take: LC_ALL, else LC_MESSAGES, else LANG.
    std::string_view locale = value("LC_ALL");
    if (locale.empty())
        locale = value("LC_MESSAGES");
    if (locale.empty())
        locale = value("LANG");
    if (!locale.empty() && locale != "C" && locale != "POSIX") {
        std::string_view list = value("LANGUAGE");
        while (!list.empty()) {
            const size_t colon = list.find(':');
            if (const int language = LanguageOfLocale(list.substr(0, colon)))
                return language;
            list = colon == std::string_view::npos ? "" : list.substr(colon + 1);
        }
    }
    const int language = LanguageOfLocale(locale);
    return language ? language : 1;
}

CliTexts::CliTexts(int language)
    : table_(LoadWindowStringTable("CommandLine")), reasons_(LoadWindowStringTable("TForm1")) {
    table_.SetActiveLanguage(language);
    reasons_.SetActiveLanguage(language);
}

std::string CliTexts::Reason(KeepReason reason) const {
    return reasons_.GetKeyText(KeepReasonKey(reason, CheckedAgainst::KeptCopy));
}

std::string CliTexts::Text(const std::string& key, std::initializer_list<std::string> args) const {
    return FormatMessage(table_.GetKeyText(key), args);
}

std::string CliTexts::Counted(const std::string& one, const std::string& many, uint64_t count,
                              const std::string& more) const {
    return FormatMessage(CountedKeyText(table_, one, many, count), {std::to_string(count), more});
}

std::string CliTexts::Size(int64_t bytes) const {
    if (bytes < 1000)
        return Counted("CLI_BYTE", "CLI_BYTES", static_cast<uint64_t>(bytes < 0 ? 0 : bytes));
    const char* units[] = {"CLI_KB", "CLI_MB", "CLI_GB", "CLI_TB", "CLI_PB"};
    double value = static_cast<double>(bytes) / 1000;
    size_t unit = 0;
    while (value >= 999.95 && unit + 1 < std::size(units)) {
        value /= 1000;
        ++unit;
    }
    char number[32];
    std::snprintf(number, sizeof number, "%.1f", value);
    std::string text = number;
    const std::string separator = table_.GetKeyText("CLI_DECIMAL_POINT");
    if (const size_t point = text.find('.'); point != std::string::npos && !separator.empty())
        text.replace(point, 1, separator);
    return Text(units[unit], {text});
}

} // namespace twinsweep
