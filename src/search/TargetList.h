#pragma once
// The search targets: a folder and a name mask in one string each.
#include <string>

#include "TextLines.h"

namespace twinsweep {

// The lines of includeFiles as they are when there is any; otherwise one target per folder
// of location (";"-separated, empty for the current folder), each expanded to a full path
// and followed by the mask made from filename. Equal targets are kept once.
TextLines BuildTargetList(const std::string& filename, const std::string& location,
                          const TextLines& includeFiles);

// The one target that searches `folder` exactly as it is, whatever bytes it holds (";",
// "*" and "?" included), with the mask made from filename: an IncludeFiles line, which
// is never split or matched against anything.
std::string FolderTarget(const std::string& folder, const std::string& filename);

// The mask a Filename value stands for: "*.*" when empty, ".*" appended when it has no ".".
std::string MaskOfFilename(const std::string& filename);

struct SearchTarget {
    std::string folder; // full path ending in the separator
    std::string mask;
};

// Splits a target at its last separator; the folder part is expanded to a full path.
SearchTarget SplitTarget(const std::string& target);

} // namespace twinsweep
