#pragma once
// Files of text lines, kept as raw bytes.
#include <string>
#include <vector>

namespace twinsweep {

using TextLines = std::vector<std::string>;

// Reads a whole file. A line ends at CR, LF or CR LF; a NUL ends the text; a final line
// break adds no empty line. Raises EFOpenError ("Cannot open file "%s". %s").
TextLines ReadTextLines(const std::string& path);

// Splits text by the reading rules of ReadTextLines.
TextLines SplitTextLines(const std::string& text);

// Writes every line followed by CR LF, creating or emptying the file.
// Raises EFCreateError ("Cannot create file "%s". %s").
void WriteTextLines(const std::string& path, const TextLines& lines);

} // namespace twinsweep
