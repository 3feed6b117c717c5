#pragma once
// Text to number conversion by the rules of the settings and project files.
#include <cstdint>
#include <optional>
#include <string>

namespace twinsweep {

// Signed 32-bit integer: leading blanks, an optional sign, decimal digits or hexadecimal
// after "$", "0x" or "0X"; nothing may follow. Empty result when the text is invalid.
std::optional<int32_t> TryStrToInt(const std::string& text);

// As TryStrToInt; raises EConvertError "'%s' is not a valid integer value".
int32_t StrToInt(const std::string& text);

// Decimal text of a number.
std::string IntToStr(int64_t value);

} // namespace twinsweep
