#pragma once
// Name masks with the wildcards "*" and "?", matched the way the directory listing does.
#include <string_view>

namespace twinsweep {

// Whether a file name (no folder part) matches mask. "*" matches any run of characters,
// "?" any one character, ASCII letters match without regard to case. A mask ending in
// ".*" also matches a name without a "." ("*.*" matches every name); a mask ending in "."
// matches only names without a "." ("*." matches exactly those). An empty mask matches
// nothing.
bool MatchesNameMask(std::string_view name, std::string_view mask);

} // namespace twinsweep
