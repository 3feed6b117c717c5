#include "NameMask.h"

namespace twinsweep {
namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

// Plain wildcard match; on a mismatch after a "*", that "*" takes one more character.
bool Glob(std::string_view name, std::string_view mask) {
    size_t i = 0, j = 0;
    size_t starMask = std::string_view::npos, starName = 0;
    while (i < name.size()) {
        if (j < mask.size() && mask[j] == '*') {
            starMask = j++;
            starName = i;
        } else if (j < mask.size() && (mask[j] == '?' || Upper(mask[j]) == Upper(name[i]))) {
            ++i;
            ++j;
        } else if (starMask != std::string_view::npos) {
            j = starMask + 1;
            i = ++starName;
        } else {
            return false;
        }
    }
    while (j < mask.size() && mask[j] == '*')
        ++j;
    return j == mask.size();
}

} // namespace

bool MatchesNameMask(std::string_view name, std::string_view mask) {
    if (mask.empty())
        return false;
    const bool hasDot = name.find('.') != std::string_view::npos;
    if (mask.back() == '.')
        return !hasDot && Glob(name, mask.substr(0, mask.size() - 1));
    if (!hasDot && mask.size() >= 2 && mask.substr(mask.size() - 2) == ".*")
        return Glob(name, mask.substr(0, mask.size() - 2));
    return Glob(name, mask);
}

} // namespace twinsweep
