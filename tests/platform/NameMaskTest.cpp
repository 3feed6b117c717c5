#include "NameMask.h"

#include <gtest/gtest.h>

using namespace twinsweep;

TEST(NameMask, WildcardsAndTheDotRulesOfTheListing) {
    EXPECT_TRUE(MatchesNameMask("photo.JPG", "*.jpg"));
    EXPECT_TRUE(MatchesNameMask("a.b.jpg", "*.jpg"));
    EXPECT_FALSE(MatchesNameMask("photo.jpeg", "*.jpg"));
    EXPECT_TRUE(MatchesNameMask("img01.png", "IMG??.*"));
    EXPECT_FALSE(MatchesNameMask("img1.png", "img??.*"));
    EXPECT_TRUE(MatchesNameMask("abcabd", "*ab?"));  // a "*" gives back what it took
    EXPECT_FALSE(MatchesNameMask("Ä.txt", "ä.txt")); // only ASCII letters fold
    EXPECT_FALSE(MatchesNameMask("anything", ""));
    // "*.*" and masks ending in ".*" also take names without a dot.
    EXPECT_TRUE(MatchesNameMask("README", "*.*"));
    EXPECT_TRUE(MatchesNameMask("readme", "readme.*"));
    EXPECT_FALSE(MatchesNameMask("readmes", "readme.*"));
    // A mask ending in "." takes only names without a dot.
    EXPECT_TRUE(MatchesNameMask("Makefile", "*."));
    EXPECT_FALSE(MatchesNameMask("a.txt", "*."));
    EXPECT_TRUE(MatchesNameMask("abc", "abc."));
}
