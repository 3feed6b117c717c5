#pragma once
// Reading a window's string table from its text file (".lang", UTF-8).
//
//   # A comment. Blank lines are ignored.
//   [Languages]
//   1 = "English"
//   2 = "Português"
//
//   [Strings]
//   IDS_15                      <- a key
//   1 = " duplicates found."
//   2 = " duplicados encontrados."
//
//   [Captions]                  <- also [Hints], [DisplayLabels], [Fonts]
//   TForm1                      <- the window itself, or an element's objectName
//   1 = "Twinsweep"
//
//   [MultiLines]                <- also [OtherStrings]: element and property
//   CB1 items
//   1 = "First line\nSecond line"
//
//   [Collections]               <- element, collection and item number from 0
//   LV1 header 0
//   1 = "Name"
//
//   [CharSets]                  <- optional: each language's font character set
//   1 = "DEFAULT_CHARSET"
//
//   [Table]                     <- optional
//   TranslateType = ttGetDefault
//
// Values are always in double quotes, so leading and trailing blanks are kept. Escapes:
// \" \\ \n \t and \uXXXX. A language left out of an entry has no translation.
#include <string>
#include <string_view>

#include "StringTable.h"

namespace twinsweep {

// Parses `text`; a malformed line raises an Exception whose message starts with
// "<fileName>:<line>: ".
TStringTable ParseStringTable(std::string_view text, const std::string& fileName);

} // namespace twinsweep
