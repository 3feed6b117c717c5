#include "Conversions.h"

#include "Errors.h"

namespace twinsweep {

std::optional<int32_t> TryStrToInt(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;
    // Hexadecimal texts may spell the full 32-bit pattern ($FFFFFFFF is -1).
    const uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    const auto bits = static_cast<uint32_t>(value);
    const auto result = static_cast<int32_t>(bits);
    return negative ? static_cast<int32_t>(0u - bits) : result;
}

int32_t StrToInt(const std::string& text) {
    if (auto value = TryStrToInt(text))
        return *value;
    throw EConvertError(FormatMessage("'%s' is not a valid integer value", {Excerpt(text)}));
}

std::string IntToStr(int64_t value) { return std::to_string(value); }

} // namespace twinsweep
