#pragma once
// The sets of identical files written out for other programs: one record per member, in
// set order then member order, with the columns
//   set                the set's number, from 1
//   size               the file's size in bytes (the set's size)
//   path               the path's bytes
//   modified           the modification time in UTC to the second (fractions dropped),
//                      as 2026-12-09T16:46:00Z; none when the file no longer exists
//   set_space_to_free  the set's freeable bytes, on every record of the set
//   protected          true for a file below a protected folder, otherwise false
// CSV (RFC 4180): a header line of the column names, CR LF after every line, no BOM. A
// field holding a comma, quote, CR or LF, or starting or ending with a blank, is quoted
// with '"' and its quotes doubled; the path's bytes are otherwise written as they are, so
// UTF-8 names stay UTF-8 and a script reads back exactly the name on disk. That includes a
// path starting with '=', '+', '-' or '@', which a spreadsheet may take as a formula: the
// bytes are not altered to prevent it, and the paths the program lists start with '/'.
// JSON: an array of objects with exactly those keys, in UTF-8. The path is a string when
// its bytes are valid UTF-8, otherwise an array of its byte values (0-255); `modified` is
// null for a file that no longer exists.
#include <string>
#include <vector>

#include "DuplicateSets.h"
#include "PathStore.h"

namespace twinsweep {

std::string SetsCsv(const std::vector<DuplicateSet>& sets, const PathStore& paths);
std::string SetsJson(const std::vector<DuplicateSet>& sets, const PathStore& paths);
// JSON lines: the same objects, one to a line, without the array around them.
std::string SetsJsonLines(const std::vector<DuplicateSet>& sets, const PathStore& paths);

// Writes the sets to `file` as CSV or JSON, by its extension (".csv" or ".json", letters in
// any case). The old file stays whole until the new one is. Raises EFCreateError for any
// other extension and when the file cannot be written.
void ExportSets(const std::string& file, const std::vector<DuplicateSet>& sets,
                const PathStore& paths);

} // namespace twinsweep
