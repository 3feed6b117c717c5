#pragma once
// The texts of the main window's reports and questions, made from what the session holds,
// in the language of `texts`.
#include <functional>
#include <string>
#include <vector>

#include "DuplicateSets.h"
#include "FileTable.h"
#include "Session.h"
#include "StringTable.h"
#include "TrashTally.h"

namespace twinsweep {

// The table's headings.
FileTable::Row TableCaptions(const TStringTable& texts);

// Why a size bound out of range stops a search.
std::string SizeBoundText(const TStringTable& texts);

// Runs `act`, a save or load of a project; a line break the project cannot hold, or a file
// that is no project, raises again in the words of `texts`.
void InProjectWords(const TStringTable& texts, const std::function<void()>& act);

// The names a saved project left out, one a line, their line breaks shown.
std::string LeftOutNames(const std::vector<std::string>& names);

// What a scan leaves in the session's lists: the duplicate pairs, then the sets of identical
// files, their extra copies (protected files are none) and the space those take; a
// cancelled scan says so and what it found until then.
std::string ScanReport(const TStringTable& texts, const Session& session, bool completed);

// What the last search and its scans could not get at: the text holds how many folders could
// not be listed and files could not be read, each line after a line break; the details the
// same lines, each followed by the paths, one a line. Both are empty when nothing was missed.
struct UnreachedReport {
    std::string text, details;
};
UnreachedReport UnreachedText(const TStringTable& texts, const Session& session);

// The line below the sets: the marked files and their bytes, the sets and their space to free.
std::string SetsTotalText(const TStringTable& texts, const FilesTally& marked,
                          const std::vector<DuplicateSet>& sets);

// Whether the marked files should go to the trash; the protected files of their sets stay.
std::string MarkedTrashQuestion(const TStringTable& texts, const FilesTally& marked);
// Before the marked files are replaced by clones ("IDS_75"/"IDS_76") or hard links
// ("IDS_77"/"IDS_78"): their number, the bytes freed, what the replacement means.
std::string MarkedReplaceQuestion(const TStringTable& texts, const FilesTally& marked,
                                  Replacement how);
// A line that names the protected files that stay, after a line break; none for 0.
std::string ProtectedKeptText(const TStringTable& texts, size_t count);

// What an export wrote, and where.
std::string ExportedText(const TStringTable& texts, const std::vector<DuplicateSet>& sets,
                         const std::string& file);

} // namespace twinsweep
