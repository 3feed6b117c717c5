#pragma once
// Folder paths: one separator, trailing separators, splitting and full-path resolution.
#include <string>

namespace twinsweep {

inline constexpr char PathDelim = '/';

// The path with the separator at its end (an empty path becomes "/").
std::string IncludeTrailingPathDelimiter(const std::string& path);
// Everything up to and including the last separator ("" when there is none).
std::string ExtractFilePath(const std::string& path);
// Everything after the last separator.
std::string ExtractFileName(const std::string& path);
// The absolute form of path, relative to the current folder, with "." and ".." resolved
// lexically; nothing needs to exist. A trailing separator is kept.
std::string ExpandFileName(const std::string& path);

} // namespace twinsweep
