#pragma once
// Date and time as text, in the user's locale or in the project file's fixed order.
#include <string>

#include "DateTime.h"

namespace twinsweep {

// The locale's date and time formats, in the format-string language below; the app
// fills them from the system locale, tests fix them.
// Date: d dd m mm yy yyyy and "/" for DateSeparator. Time: h hh n nn s ss z zzz,
// ":" for TimeSeparator, "AM/PM" or "am/pm" for a 12-hour clock. Other characters stand.
struct TFormatSettings {
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "dd/mm/yyyy";
    std::string LongTimeFormat = "hh:nn:ss";
};

std::string FormatDate(TDateTime value, const TFormatSettings& settings);
std::string FormatTime(TDateTime value, const TFormatSettings& settings);
// Short date, a blank, long time; the time is left out at exactly midnight.
std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings);

// The project file's "DD/MM/YYYY" and "HH:NN:SS" lines, written with the user's separators.
std::string FormatProjectDate(TDateTime value, const TFormatSettings& settings);
std::string FormatProjectTime(TDateTime value, const TFormatSettings& settings);
// Read back always as day-month-year and hour-minute[-second], with any single non-digit
// character as separator, so a file written under one locale loads under another.
// Raise EConvertError "'%s' is not a valid date" / "'%s' is not a valid time".
TDateTime ParseProjectDate(const std::string& text);
TDateTime ParseProjectTime(const std::string& text);

} // namespace twinsweep
