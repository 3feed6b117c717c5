#pragma once
// Files of text lines, kept as raw bytes.
#include <cstddef>
#include <string>
#include <string_view>
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

// The lines of one text by the rules of SplitTextLines, split only as far as they are asked
// for: a line costs one offset once it is reached, and none before. A file of a billion
// empty lines costs its bytes, and its first line is read at once.
class LinesOfText {
public:
    LinesOfText() = default;
    explicit LinesOfText(std::string text);
    // The lines joined by LF: the same lines where none holds a line break or a NUL.
    LinesOfText(const TextLines& lines);

    // Whether line i exists; splits up to it.
    bool Has(size_t i) const;
    // The number of lines: counts them all once, without splitting.
    size_t size() const;
    bool empty() const { return text_.empty(); }
    // Line i, which must exist.
    std::string_view View(size_t i) const;
    std::string operator[](size_t i) const { return std::string(View(i)); }

private:
    std::string text_;
    mutable std::vector<size_t> starts_; // the lines reached so far
    mutable size_t count_ = WholeFile;   // not counted yet
};

// Reads a regular file whole into lines split as they are asked for. Refuses a file larger
// than `largest` bytes (EFOpenError with EFBIG's words) before reading any of it.
LinesOfText ReadLinesOfText(const std::string& path, size_t largest);

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
