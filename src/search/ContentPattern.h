#pragma once
// The text a file's content must contain.
#include <string>

namespace twinsweep {

class ContentPattern {
public:
    // With ignoreCase the letters a to z compare equal to A to Z (no other folding).
    ContentPattern(std::string text, bool ignoreCase);

    bool Empty() const { return text_.empty(); }
    // Reads the file in blocks and looks for the text anywhere in it, also across block
    // boundaries. A file that cannot be opened, or is not a regular file, holds nothing; a
    // read error ends the search with what was read.
    bool FoundIn(const std::string& path) const;

private:
    std::string text_;
    bool ignoreCase_;
};

} // namespace twinsweep
