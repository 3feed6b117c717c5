#pragma once
// Whole-file comparison.
#include <string>

namespace twinsweep {

// True when both files are regular files of the same length with the same bytes; false
// otherwise and on any failure. Both files are read side by side in bounded blocks and the
// reading stops at the first difference, so memory stays small whatever the file size.
bool FilesIdentical(const std::string& pathA, const std::string& pathB);

} // namespace twinsweep
