#include "Conversions.h"

#include <gtest/gtest.h>

#include "Errors.h"

using namespace twinsweep;

TEST(StrToInt, AcceptsBlanksSignsAndHexadecimal) {
    EXPECT_EQ(StrToInt("2"), 2);
    EXPECT_EQ(StrToInt(" 2"), 2);
    EXPECT_EQ(StrToInt("   -2"), -2);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("0x1f"), 31);
    EXPECT_EQ(StrToInt("0X10"), 16);
    EXPECT_EQ(StrToInt("-$10"), -16);
    EXPECT_EQ(StrToInt("007"), 7);
}

TEST(StrToInt, KeepsToTheSigned32BitRange) {
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
    EXPECT_FALSE(TryStrToInt("2147483648"));
    EXPECT_FALSE(TryStrToInt("-2147483649"));
    EXPECT_FALSE(TryStrToInt("99999999999999999999999"));
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1); // a full 32-bit pattern
    EXPECT_FALSE(TryStrToInt("$100000000"));
}

TEST(StrToInt, RefusesAnythingElseWithTheRuntimeMessage) {
    for (const char* text : {"", " ", "2 ", "word", "1.5", "-", "$", "0x", "12a", "\t2", "2\r"})
        EXPECT_FALSE(TryStrToInt(text)) << '"' << text << '"';
    try {
        StrToInt("2 ");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'2 ' is not a valid integer value");
    }
}
