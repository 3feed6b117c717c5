#include "DateTimeText.h"

#include <gtest/gtest.h>

#include "Errors.h"

using namespace twinsweep;

namespace {

const TFormatSettings German{'.', ':', "dd/mm/yyyy", "hh:nn:ss"};
const TFormatSettings American{'/', ':', "m/d/yyyy", "h:nn:ss AM/PM"};

} // namespace

TEST(DateTimeText, FollowsTheLocaleFormats) {
    const TDateTime value = EncodeDate(2006, 4, 5) + EncodeTime(13, 7, 9, 0);
    EXPECT_EQ(DateTimeToStr(value, German), "05.04.2006 13:07:09");
    EXPECT_EQ(DateTimeToStr(value, American), "4/5/2006 1:07:09 PM");
    EXPECT_EQ(FormatTime(EncodeTime(0, 30, 0, 0), American), "12:30:00 AM");
    EXPECT_EQ(FormatDate(value, {'-', '.', "yyyy/mm/dd 'at' yy", "hh:nn"}), "2006-04-05 at 06");
}

TEST(DateTimeText, LeavesTheTimeOutAtMidnight) {
    EXPECT_EQ(DateTimeToStr(EncodeDate(2006, 4, 5), German), "05.04.2006");
    EXPECT_EQ(DateTimeToStr(EncodeDate(2006, 4, 5) + EncodeTime(0, 0, 1, 0), German),
              "05.04.2006 00:00:01");
}

TEST(DateTimeText, ProjectLinesRoundTripAcrossLocales) {
    const TDateTime date = EncodeDate(2006, 4, 5);
    const TDateTime time = EncodeTime(9, 5, 7, 0);
    EXPECT_EQ(FormatProjectDate(date, TFormatSettings{}), "05/04/2006");
    EXPECT_EQ(FormatProjectDate(date, German), "05.04.2006");
    EXPECT_EQ(FormatProjectTime(time, {'/', '.', "", ""}), "09.05.07");
    // Written under one locale, read under any other: always day, month, year.
    EXPECT_EQ(ParseProjectDate("05.04.2006"), date);
    EXPECT_EQ(ParseProjectDate("05/04/2006"), date);
    EXPECT_EQ(ParseProjectDate("5-4-2006"), date);
    EXPECT_EQ(ParseProjectTime("09.05.07"), time);
    EXPECT_EQ(ParseProjectTime("09:05:07"), time);
    EXPECT_EQ(ParseProjectTime("9:05"), EncodeTime(9, 5, 0, 0));
}

TEST(DateTimeText, RefusesMalformedProjectLines) {
    for (const char* bad : {"", "05/04", "05//2006", "31/02/2006", "05/04/2006x", "a5/04/2006",
                            "05/04/20060", "005/04/2006", "05/13/2006"})
        EXPECT_THROW(ParseProjectDate(bad), EConvertError) << bad;
    for (const char* bad : {"", "9", "24:00:00", "12:60:00", "12:00:00:00", "12::00", "1a:00"})
        EXPECT_THROW(ParseProjectTime(bad), EConvertError) << bad;
    try {
        ParseProjectDate("31/02/2006");
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'31/02/2006' is not a valid date");
    }
    try {
        ParseProjectTime("25:00:00");
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'25:00:00' is not a valid time");
    }
}
