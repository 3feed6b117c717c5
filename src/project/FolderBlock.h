#pragma once
// The folders of a search that has more than one, a protected one or an exclusion, as lines
// that a project and the last search's file hold before (project) or after (last search)
// their criteria:
//   "folders"
//   the number of folders, then for each its role ("searched" or "protected") and its path
//   the number of exclusions, then each on a line of its own
// A search of one folder that protects and excludes nothing writes no such lines, so its
// files are those of before, and files without them load as searches of one folder.
#include <optional>

#include "FindDuplicates.h"

namespace twinsweep {

inline constexpr const char* FolderBlockMark = "folders";

// The lines for the choices' folders and exclusions; none for a search of one folder only.
// Raises EProjectLineError for a path or pattern holding a line break.
TextLines FolderBlockLines(const SearchChoices& choices);

// Reads the lines from `start`: 0 when no block starts there (then the choices search their
// folder alone, unprotected, excluding nothing), else the number of lines the block took,
// its folders and exclusions now the choices'. Nothing when the block is damaged.
std::optional<size_t> ReadFolderBlock(const LinesOfText& lines, size_t start,
                                      SearchChoices& choices);

} // namespace twinsweep
