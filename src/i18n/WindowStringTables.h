#pragma once
// The string tables of the program's windows, built into the executable from
// resources/lang/<window>.lang.
#include <string>
#include <vector>

#include "StringTable.h"

namespace twinsweep {

// A fresh copy of the table of `windowName` ("TForm1" ... "TForm5"), language 1 active and
// no target. Raises an Exception when there is no such table or it is malformed.
TStringTable LoadWindowStringTable(const std::string& windowName);

// The names of all built-in tables, sorted.
std::vector<std::string> WindowStringTableNames();

} // namespace twinsweep
