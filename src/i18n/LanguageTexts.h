#pragma once
// Per-language texts that the code picks by the language number (LanguageIndex) instead
// of looking them up in a window's string table. Language 0 (none chosen yet) and any
// number outside 1..3 have no guide page.
#include <cstdint>
#include <string>

namespace twinsweep {

// Whether a count takes the singular: in English only 1 does, in Portuguese (Brazil) and
// French 0 and 1 do. A number without a language of its own follows the first language.
bool TakesSingular(int languageIndex, uint64_t count);

// The question asked before `count` selected duplicates go to the trash, in the singular
// or the plural as the count takes: %s their number, then %s their size. And its title; a
// number without a language of its own gets the first language's.
struct DeleteConfirmationText {
    std::string question;
    std::string title;
};

DeleteConfirmationText DeleteConfirmation(int languageIndex, uint64_t count);

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
