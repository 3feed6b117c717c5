#pragma once
// Files of text lines, kept as raw bytes.
#include <cstddef>
#include <string>
#include <vector>

namespace twinsweep {

using TextLines = std::vector<std::string>;

inline constexpr const char* SavePartSuffix = ".twinsweep-part";

inline constexpr size_t WholeFile = std::string::npos;

// Reads a regular file, whole or up to `maxBytes`: then only the lines that end within
// them count. A line ends at CR, LF or CR LF; a NUL ends the text; a final line break adds
// no empty line. Never opens a special file. Raises EFOpenError ("Cannot open file "%s". %s").
TextLines ReadTextLines(const std::string& path, size_t maxBytes = WholeFile);

// Splits text by the reading rules of ReadTextLines.
TextLines SplitTextLines(const std::string& text);

// Writes every line followed by CR LF, creating or emptying a regular file; never opens a
// special file. Raises EFCreateError ("Cannot create file "%s". %s").
void WriteTextLines(const std::string& path, const TextLines& lines);

// As WriteTextLines, but the old file stays whole until the new one is: the lines go to a
// new file beside it (beside the file a link leads to, for a link), which replaces it once
// every byte is written and flushed. A replaced file keeps its permissions. On failure
// nothing is left behind and the old file is untouched. The new file has no name until it
// is whole; where the file system cannot make such files, or when the process is killed
// between naming and replacing, it is the path followed by SavePartSuffix, which the next
// replacement of that path removes.
void ReplaceTextLines(const std::string& path, const TextLines& lines);

// As ReplaceTextLines, for a text written as it is.
void ReplaceFileText(const std::string& path, const std::string& text);

} // namespace twinsweep
