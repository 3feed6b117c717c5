#pragma once
// TDateTime: days since 30 December 1899 as a double; the fraction is the time of day.
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace twinsweep {

using TDateTime = double;

struct DateParts {
    int year = 0, month = 0, day = 0;
    bool operator==(const DateParts&) const = default;
};
struct TimeParts {
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    bool operator==(const TimeParts&) const = default;
};

// Raise EConvertError "Invalid argument to date encode" / "... time encode" on invalid parts.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
std::optional<TDateTime> TryEncodeDate(int year, int month, int day);
std::optional<TDateTime> TryEncodeTime(int hour, int minute, int second, int millisecond);

DateParts DecodeDate(TDateTime value);
TimeParts DecodeTime(TDateTime value); // rounded to the millisecond

// Integer part truncated toward zero, and the rest.
double DateTimeInt(TDateTime value);
double DateTimeFrac(TDateTime value);

// Replaces the date part and keeps the time part, or the other way round.
TDateTime ReplaceDate(TDateTime value, TDateTime date);
TDateTime ReplaceTime(TDateTime value, TDateTime time);

// Packed DOS date and time (local): date in the high word, time (2-second units) in the low.
// Returns 0 when the value lies outside 1980..2107.
int32_t DateTimeToFileDate(TDateTime value);
// Raises EConvertError "Invalid argument to date encode" for an invalid packed value.
TDateTime FileDateToDateTime(int32_t fileDate);

// A POSIX time (UTC) as local TDateTime with millisecond precision, using the offset in
// force at that instant.
TDateTime UnixToLocalDateTime(const timespec& utc);
// The local TDateTime of now.
TDateTime Now();

} // namespace twinsweep
