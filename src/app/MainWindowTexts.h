#pragma once
// The texts of the main window's reports and questions, made from what the session holds,
// in the language of `texts`.
#include <string>
#include <vector>

#include "DuplicateSets.h"
#include "StringTable.h"
#include "TrashTally.h"

namespace twinsweep {

// What a scan leaves in the lists: the duplicate pairs, then the sets of identical files,
// their extra copies and the space those take; a cancelled scan says so and what it found
// until then.
std::string ScanReport(const TStringTable& texts, const ResultLists& lists, bool completed);

// The line below the sets: the marked files and their bytes, the sets and their space to free.
std::string SetsTotalText(const TStringTable& texts, const FilesTally& marked,
                          const std::vector<DuplicateSet>& sets);

// Whether the marked files should go to the trash.
std::string MarkedTrashQuestion(const TStringTable& texts, const FilesTally& marked);

// What an export wrote, and where.
std::string ExportedText(const TStringTable& texts, const std::vector<DuplicateSet>& sets,
                         const std::string& file);

} // namespace twinsweep
