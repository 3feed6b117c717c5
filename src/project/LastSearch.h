#pragma once
// The criteria of the last search, kept between runs in a file of their own: the folder on
// line 1, then the criteria as lines 0-17 of a project hold them, then the folders' lines
// of a search of more than one folder (FolderBlock.h).
#include <optional>
#include <string>

#include "FindDuplicates.h"

namespace twinsweep {

inline constexpr const char* LastSearchFileName = "last-search.dat";

// Replaces the file; a folder or extension holding a line break is not kept (nothing is
// written). Raises EFCreateError when the file cannot be written.
void SaveLastSearch(const std::string& path, const SearchChoices& choices);

// The criteria in the file, starting from `current`; nothing when the file is missing,
// damaged or holds no folder.
std::optional<SearchChoices> LoadLastSearch(const std::string& path, const SearchChoices& current);

} // namespace twinsweep
