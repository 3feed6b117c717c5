#include "Errors.h"

#include <new>

namespace twinsweep {

std::string CurrentErrorText() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return "out of memory";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unknown error";
    }
}

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

std::string Excerpt(const std::string& value, size_t limit) {
    size_t characters = 0;
    for (size_t at = 0; at < value.size(); ++at)
        if ((static_cast<unsigned char>(value[at]) & 0xC0) != 0x80 && characters++ == limit)
            return value.substr(0, at) + "…";
    return value;
}

std::string OnOneLine(const std::string& text) {
    std::string line;
    for (const char c : text)
        line += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    return line;
}

} // namespace twinsweep
