#include "DateTime.h"

#include <cstdlib>
#include <gtest/gtest.h>

#include "Errors.h"

using namespace twinsweep;

TEST(DateTime, EncodesDaysSinceTheEpochOf1899) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
    EXPECT_EQ(EncodeDate(2000, 2, 29), 36585);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
    EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
}

TEST(DateTime, RefusesInvalidParts) {
    EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError); // not a leap year
    EXPECT_THROW(EncodeDate(2001, 13, 1), EConvertError);
    EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(1, 60, 0, 0), EConvertError);
    EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
}

TEST(DateTime, DecodesWhatItEncodesOverTheWholeRange) {
    for (int year : {1, 1600, 1899, 1900, 1970, 2000, 2024, 2107, 9999})
        for (int month = 1; month <= 12; ++month)
            for (int day : {1, 15, 28}) {
                // Before the epoch the time of day counts away from zero.
                const TDateTime date = EncodeDate(year, month, day);
                const TDateTime value = date + (date < 0 ? -1 : 1) * EncodeTime(23, 59, 59, 999);
                EXPECT_EQ(DecodeDate(value), (DateParts{year, month, day}));
                EXPECT_EQ(DecodeTime(value), (TimeParts{23, 59, 59, 999}));
            }
}

TEST(DateTime, NegativeValuesKeepTheirTimeOfDayAsAbsoluteFraction) {
    // -1.25 is 29 December 1899, 06:00.
    EXPECT_EQ(DecodeDate(-1.25), (DateParts{1899, 12, 29}));
    EXPECT_EQ(DecodeTime(-1.25), (TimeParts{6, 0, 0, 0}));
    EXPECT_EQ(DateTimeInt(-1.25), -1);
    EXPECT_EQ(DateTimeFrac(-1.25), -0.25);
    EXPECT_EQ(DateTimeInt(3.75), 3);
    EXPECT_EQ(DateTimeFrac(3.75), 0.75);
}

TEST(DateTime, ReplacesDateOrTimeAndKeepsTheOther) {
    const TDateTime value = EncodeDate(2006, 4, 5) + EncodeTime(13, 45, 0, 0);
    const TDateTime other = EncodeDate(2010, 1, 2) + EncodeTime(8, 0, 0, 0);
    EXPECT_DOUBLE_EQ(ReplaceDate(value, other), EncodeDate(2010, 1, 2) + EncodeTime(13, 45, 0, 0));
    EXPECT_DOUBLE_EQ(ReplaceTime(value, other), EncodeDate(2006, 4, 5) + EncodeTime(8, 0, 0, 0));
}

TEST(DateTime, PacksDosDateTimeIn2SecondStepsWithin1980To2107) {
    const TDateTime value = EncodeDate(2006, 4, 5) + EncodeTime(13, 45, 31, 0);
    const int32_t packed = DateTimeToFileDate(value);
    EXPECT_EQ(packed,
              static_cast<int32_t>((26u << 9 | 4 << 5 | 5) << 16 | (13u << 11 | 45 << 5 | 15)));
    EXPECT_DOUBLE_EQ(FileDateToDateTime(packed),
                     EncodeDate(2006, 4, 5) + EncodeTime(13, 45, 30, 0));

    EXPECT_EQ(DateTimeToFileDate(EncodeDate(1979, 12, 31)), 0);
    EXPECT_EQ(DateTimeToFileDate(EncodeDate(2108, 1, 1)), 0);
    const int32_t last = DateTimeToFileDate(EncodeDate(2107, 12, 31) + EncodeTime(23, 59, 58, 0));
    EXPECT_LT(last, 0); // the high bit is set from 2044 on
    EXPECT_DOUBLE_EQ(FileDateToDateTime(last),
                     EncodeDate(2107, 12, 31) + EncodeTime(23, 59, 58, 0));
}

TEST(DateTime, RefusesAnInvalidPackedValue) {
    for (int32_t bad : {0, static_cast<int32_t>((26u << 9 | 13 << 5 | 1) << 16),
                        static_cast<int32_t>((26u << 9 | 1 << 5 | 1) << 16 | 24u << 11)}) {
        try {
            FileDateToDateTime(bad);
            FAIL() << bad;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), "Invalid argument to date encode");
        }
    }
}

TEST(DateTime, LocalTimeUsesTheOffsetInForceAtThatInstant) {
    const char* saved = std::getenv("TZ");
    const std::string previous = saved ? saved : "";
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
    // 2024-01-15 12:00:00.250 UTC is 13:00 in winter; 2024-07-15 12:00 UTC is 14:00 in summer.
    const TDateTime winter = UnixToLocalDateTime({1705320000, 250000000});
    const TDateTime summer = UnixToLocalDateTime({1721044800, 0});
    EXPECT_EQ(DecodeDate(winter), (DateParts{2024, 1, 15}));
    EXPECT_EQ(DecodeTime(winter), (TimeParts{13, 0, 0, 250}));
    EXPECT_EQ(DecodeTime(summer), (TimeParts{14, 0, 0, 0}));
    if (saved)
        setenv("TZ", previous.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}
