#include "ExclusionMask.h"

#include "Paths.h"

namespace twinsweep {

std::string UpperCaseAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return upper;
}

ExclusionMask::ExclusionMask(std::string_view line) {
    const std::string upper = UpperCaseAscii(line);
    const size_t cut = upper.rfind(PathDelim);
    if (cut == std::string::npos) {
        name_ = upper;
    } else {
        folder_ = upper.substr(0, cut + 1);
        name_ = upper.substr(cut + 1);
    }
}

bool ExclusionMask::Matches(std::string_view upperFolder, std::string_view upperName) const {
    if (!folder_.empty()) {
        if (folder_.size() > upperFolder.size() ||
            upperFolder.substr(upperFolder.size() - folder_.size()) != folder_)
            return false;
    }
    return name_.empty() || NameMatches(upperName);
}

bool ExclusionMask::NameMatches(std::string_view name) const {
    const std::string_view mask = name_;
    size_t i = 0, j = 0;
    while (i < name.size() && j < mask.size()) {
        if (name[i] == mask[j] || (mask[j] == '?' && name[i] != '.')) {
            ++i;
            ++j;
        } else if (name[i] == '.') {
            if (mask[j] == '?') {
                ++j;
            } else if (mask[j] == '*') {
                const size_t dot = mask.find('.', j);
                j = dot == std::string_view::npos ? mask.size() : dot;
            } else {
                return false;
            }
        } else if (mask[j] == '*') {
            ++i;
        } else {
            return false;
        }
    }
    while (j < mask.size() && (mask[j] == '*' || mask[j] == '?'))
        ++j;
    return i == name.size() && j == mask.size();
}

} // namespace twinsweep
