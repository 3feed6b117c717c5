#pragma once
// Per-language texts that the code picks by the language number (LanguageIndex) instead
// of looking them up in a window's string table. Language 0 (none chosen yet) and any
// number outside 1..3 have no guide page.
#include <string>

namespace twinsweep {

// The question asked before the selected duplicates go to the trash, and its title; a
// number without a language of its own gets the first language's.
struct DeleteConfirmationText {
    std::string question;
    std::string title;
};

DeleteConfirmationText DeleteConfirmation(int languageIndex);

// Said when no program opens a file: %s the file, then %s the system's reason; a number
// without a language of its own gets the first language's.
std::string CannotOpenText(int languageIndex);

// The user guide page of the language, relative to the data folder ("guide/en.html");
// empty when there is none.
std::string LanguageTargetName(int languageIndex);

// LanguageTarget: the guide page as a full path, `dataFolder` (ending in "/") followed by
// the page name; empty when the language has none.
std::string LanguageTarget(int languageIndex, const std::string& dataFolder);

} // namespace twinsweep
