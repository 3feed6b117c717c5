#pragma once
// The command's words in the user's language: English, Portuguese or French, chosen by the
// environment as gettext programs choose theirs.
#include <cstdint>
#include <functional>
#include <string>

#include "ResultLists.h"
#include "StringTable.h"

namespace twinsweep {

// The language number (1 English, 2 Portuguese, 3 French) of the first of LANGUAGE (a
// colon-separated list, heeded unless the locale is "C"), LC_ALL, LC_MESSAGES and LANG that
// names one of them; 1 when none does. `variable` reads the environment.
int LanguageFromEnvironment(const std::function<const char*(const char*)>& variable);

class CliTexts {
public:
    explicit CliTexts(int language);

    // The keyed text, its %s filled in order.
    std::string Text(const std::string& key, std::initializer_list<std::string> args = {}) const;
    // "1 file", "2 files": `one` or `many` by the count, which fills the first %s, and
    // `more` the second.
    std::string Counted(const std::string& one, const std::string& many, uint64_t count,
                        const std::string& more = {}) const;
    // A size for people in decimal units: "950 bytes", "1.5 MB" ("1,5 Mo" in French).
    std::string Size(int64_t bytes) const;

    // Why a file its set did not keep stayed (%s: the detail), in the window's words.
    std::string Reason(KeepReason reason) const;

private:
    TStringTable table_;
    TStringTable reasons_; // the main window's
};

} // namespace twinsweep
