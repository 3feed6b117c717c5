#include "DateTimeText.h"

#include <cctype>
#include <vector>

#include "Errors.h"

namespace twinsweep {

namespace {

std::string Padded(int value, size_t width) {
    std::string digits = std::to_string(value);
    return digits.size() < width ? std::string(width - digits.size(), '0') + digits : digits;
}

bool StartsWithNoCase(const std::string& text, size_t at, const char* word) {
    for (size_t i = 0; word[i]; ++i)
        if (at + i >= text.size() ||
            std::tolower(static_cast<unsigned char>(text[at + i])) != word[i])
            return false;
    return true;
}

// Length of the run of `c` (any case) starting at `at`.
size_t RunLength(const std::string& format, size_t at) {
    const int c = std::tolower(static_cast<unsigned char>(format[at]));
    size_t n = 0;
    while (at + n < format.size() && std::tolower(static_cast<unsigned char>(format[at + n])) == c)
        ++n;
    return n;
}

// Expands one format: day, month, year, hour, minute, second and millisecond fields,
// the two separators, an AM/PM marker, quoted literal text; anything else stands.
std::string Format(TDateTime value, const std::string& format, const TFormatSettings& settings) {
    const DateParts d = DecodeDate(value);
    const TimeParts t = DecodeTime(value);
    std::string lowerFormat = format;
    for (char& c : lowerFormat)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool twelveHour = lowerFormat.find("am/pm") != std::string::npos;
    std::string out;
    for (size_t i = 0; i < format.size();) {
        const char c = format[i];
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (c == '\'' || c == '"') {
            const size_t close = format.find(c, i + 1);
            const size_t end = close == std::string::npos ? format.size() : close;
            out += format.substr(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (StartsWithNoCase(format, i, "am/pm")) {
            const bool upper = std::isupper(static_cast<unsigned char>(c));
            out += t.hour < 12 ? (upper ? "AM" : "am") : (upper ? "PM" : "pm");
            i += 5;
            continue;
        }
        const size_t n = RunLength(format, i);
        switch (lower) {
        case 'd':
            out += Padded(d.day, n >= 2 ? 2 : 1);
            break;
        case 'm':
            out += Padded(d.month, n >= 2 ? 2 : 1);
            break;
        case 'y':
            out += n >= 3 ? Padded(d.year, 4) : Padded(d.year % 100, 2);
            break;
        case 'h': {
            int hour = t.hour;
            if (twelveHour)
                hour = hour % 12 == 0 ? 12 : hour % 12;
            out += Padded(hour, n >= 2 ? 2 : 1);
            break;
        }
        case 'n':
            out += Padded(t.minute, n >= 2 ? 2 : 1);
            break;
        case 's':
            out += Padded(t.second, n >= 2 ? 2 : 1);
            break;
        case 'z':
            out += Padded(t.millisecond, n >= 3 ? 3 : 1);
            break;
        case '/':
            out += std::string(n, settings.DateSeparator);
            break;
        case ':':
            out += std::string(n, settings.TimeSeparator);
            break;
        default:
            out += format.substr(i, n);
            break;
        }
        i += n;
    }
    return out;
}

// Reads a fixed number of fields of 1..maxDigits[k] digits, each followed by one non-digit
// separator except the last; blanks around the whole text are allowed.
bool ReadFields(const std::string& text, const std::vector<size_t>& maxDigits, size_t required,
                std::vector<int>& fields) {
    size_t i = 0, end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;
    fields.clear();
    while (fields.size() < maxDigits.size()) {
        size_t start = i;
        int value = 0;
        while (i < end && std::isdigit(static_cast<unsigned char>(text[i])) &&
               i - start < maxDigits[fields.size()])
            value = value * 10 + (text[i++] - '0');
        if (i == start)
            return false;
        fields.push_back(value);
        if (i == end)
            break;
        if (std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
        ++i; // the separator
        if (i == end)
            return false;
    }
    return i == end && fields.size() >= required;
}

} // namespace

std::string FormatDate(TDateTime value, const TFormatSettings& settings) {
    return Format(value, settings.ShortDateFormat, settings);
}

std::string FormatTime(TDateTime value, const TFormatSettings& settings) {
    return Format(value, settings.LongTimeFormat, settings);
}

std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings) {
    const TimeParts t = DecodeTime(value);
    const bool midnight = t == TimeParts{};
    return midnight ? FormatDate(value, settings)
                    : FormatDate(value, settings) + " " + FormatTime(value, settings);
}

std::string FormatProjectDate(TDateTime value, const TFormatSettings& settings) {
    return Format(value, "dd/mm/yyyy", settings);
}

std::string FormatProjectTime(TDateTime value, const TFormatSettings& settings) {
    return Format(value, "hh:nn:ss", settings);
}

TDateTime ParseProjectDate(const std::string& text) {
    std::vector<int> f;
    if (ReadFields(text, {2, 2, 4}, 3, f))
        if (auto value = TryEncodeDate(f[2], f[1], f[0]))
            return *value;
    throw EConvertError(FormatMessage("'%s' is not a valid date", {Excerpt(text)}));
}

TDateTime ParseProjectTime(const std::string& text) {
    std::vector<int> f;
    if (ReadFields(text, {2, 2, 2}, 2, f))
        if (auto value = TryEncodeTime(f[0], f[1], f.size() > 2 ? f[2] : 0, 0))
            return *value;
    throw EConvertError(FormatMessage("'%s' is not a valid time", {Excerpt(text)}));
}

} // namespace twinsweep
