#include "ExclusionMask.h"

#include <gtest/gtest.h>

using namespace twinsweep;

static bool Excludes(const std::string& line, const std::string& path) {
    const size_t cut = path.rfind('/') + 1;
    return ExclusionMask(line).Matches(UpperCaseAscii(path.substr(0, cut)),
                                       UpperCaseAscii(path.substr(cut)));
}

TEST(ExclusionMask, NamePartMatchesFromTheLeftWithoutBacktracking) {
    EXPECT_TRUE(Excludes("/*.TMP", "/x/a.tmp"));
    EXPECT_FALSE(Excludes("/*.TMP", "/x/A.B.TMP"));
    EXPECT_TRUE(Excludes("*", "/x/README")); // a "*" stops at a dot
    EXPECT_FALSE(Excludes("*", "/x/A.B"));
    EXPECT_FALSE(Excludes("*.*", "/x/README"));
    EXPECT_FALSE(Excludes("A?C", "/x/A.C")); // "?" takes no dot but is skipped at one
    EXPECT_TRUE(Excludes("AB??.TXT", "/x/AB.TXT"));
    EXPECT_FALSE(Excludes("*B", "/x/AB"));
    EXPECT_TRUE(Excludes("AB*??", "/x/AB"));
}

TEST(ExclusionMask, FolderPartMustEndTheEntrysFolder) {
    EXPECT_TRUE(Excludes("/TEMP/*.*", "/x/temp/A.B"));
    EXPECT_TRUE(Excludes("/temp/*.*", "/temp/A.B"));
    EXPECT_FALSE(Excludes("/TEMP/*.*", "/x/temp/y/A.B"));
    EXPECT_TRUE(Excludes("p/TEMP/*.*", "/up/temp/A.B")); // a plain suffix
    EXPECT_FALSE(Excludes("/a/b/c/", "/b/c/A.B"));
    EXPECT_TRUE(Excludes("/TEMP/", "/x/temp/anything"));
    EXPECT_FALSE(Excludes("/T?MP/*.*", "/x/temp/A.B"));
    EXPECT_TRUE(Excludes("c:/TEMP/*.*", "/x/c:/temp/A.B")); // no drive letters
}
