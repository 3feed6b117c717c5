#include "Errors.h"

namespace twinsweep {

std::string FormatMessage(const std::string& pattern, std::initializer_list<std::string> args) {
    std::string out;
    auto next = args.begin();
    for (size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == '%' && i + 1 < pattern.size() &&
                                 (pattern[i + 1] == 's' || pattern[i + 1] == 'd');
        if (placeholder && next != args.end()) {
            out += *next++;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace twinsweep
