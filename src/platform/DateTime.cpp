#include "DateTime.h"

#include <cmath>

#include "Errors.h"

namespace twinsweep {

namespace {

constexpr int DaysFromYearOneToEpoch = 693594; // 0001-01-01 to 1899-12-30
constexpr int64_t MillisecondsPerDay = 86400000;

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Splits a value into whole days and the time of day in milliseconds (0..86399999);
// the time of a negative value is its fraction's absolute value.
void SplitValue(TDateTime value, int64_t& days, int64_t& milliseconds) {
    days = static_cast<int64_t>(std::trunc(value));
    milliseconds = std::llround(std::fabs(value - std::trunc(value)) * MillisecondsPerDay);
    if (milliseconds >= MillisecondsPerDay) {
        milliseconds -= MillisecondsPerDay;
        days += value < 0 ? -1 : 1;
    }
}

} // namespace

std::optional<TDateTime> TryEncodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month))
        return std::nullopt;
    int dayOfYear = day;
    for (int m = 1; m < month; ++m)
        dayOfYear += DaysInMonth(year, m);
    const int y = year - 1;
    return static_cast<TDateTime>(y * 365 + y / 4 - y / 100 + y / 400 + dayOfYear -
                                  DaysFromYearOneToEpoch);
}

std::optional<TDateTime> TryEncodeTime(int hour, int minute, int second, int millisecond) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0 || millisecond > 999)
        return std::nullopt;
    const int64_t ms = ((hour * 60 + minute) * 60 + second) * 1000LL + millisecond;
    return static_cast<TDateTime>(ms) / MillisecondsPerDay;
}

TDateTime EncodeDate(int year, int month, int day) {
    if (auto value = TryEncodeDate(year, month, day))
        return *value;
    throw EConvertError("Invalid argument to date encode");
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
    if (auto value = TryEncodeTime(hour, minute, second, millisecond))
        return *value;
    throw EConvertError("Invalid argument to time encode");
}

DateParts DecodeDate(TDateTime value) {
    int64_t days, ms;
    SplitValue(value, days, ms);
    // Civil-from-days on the proleptic Gregorian calendar, counted from 0000-03-01.
    const int64_t z = days + DaysFromYearOneToEpoch + 305;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t dayOfEra = z - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

TimeParts DecodeTime(TDateTime value) {
    int64_t days, ms;
    SplitValue(value, days, ms);
    return {static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60),
            static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

double DateTimeInt(TDateTime value) { return std::trunc(value); }

double DateTimeFrac(TDateTime value) { return value - std::trunc(value); }

TDateTime ReplaceDate(TDateTime value, TDateTime date) {
    const double time = std::fabs(DateTimeFrac(value));
    const double day = DateTimeInt(date);
    return day >= 0 ? day + time : day - time;
}

TDateTime ReplaceTime(TDateTime value, TDateTime time) {
    return ReplaceDate(std::fabs(DateTimeFrac(time)), value);
}

int32_t DateTimeToFileDate(TDateTime value) {
    const DateParts d = DecodeDate(value);
    if (d.year < 1980 || d.year > 2107)
        return 0;
    const TimeParts t = DecodeTime(value);
    const uint32_t date = static_cast<uint32_t>((d.year - 1980) << 9 | d.month << 5 | d.day);
    const uint32_t time = static_cast<uint32_t>(t.hour << 11 | t.minute << 5 | t.second / 2);
    return static_cast<int32_t>(date << 16 | time);
}

TDateTime FileDateToDateTime(int32_t fileDate) {
    const auto bits = static_cast<uint32_t>(fileDate);
    const uint32_t date = bits >> 16, time = bits & 0xFFFF;
    const auto day = TryEncodeDate(static_cast<int>(date >> 9) + 1980,
                                   static_cast<int>(date >> 5 & 15), static_cast<int>(date & 31));
    const auto timeOfDay =
        TryEncodeTime(static_cast<int>(time >> 11), static_cast<int>(time >> 5 & 63),
                      static_cast<int>(time & 31) * 2, 0);
    if (!day || !timeOfDay)
        throw EConvertError("Invalid argument to date encode");
    return *day + *timeOfDay;
}

TDateTime UnixToLocalDateTime(const timespec& utc) {
    tm local{};
    if (!localtime_r(&utc.tv_sec, &local))
        return 0;
    const auto date = TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    // A leap second reads as the last second of its minute.
    const auto time = TryEncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59),
                                    static_cast<int>(utc.tv_nsec / 1000000));
    if (!date || !time)
        return 0;
    return *date >= 0 ? *date + *time : *date - *time;
}

TDateTime Now() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return UnixToLocalDateTime(now);
}

} // namespace twinsweep
