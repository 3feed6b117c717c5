#include "ContentPattern.h"

#include <gtest/gtest.h>

#include "SearchTree.h"

using namespace twinsweep;

TEST(ContentPattern, FindsTheTextWhereverItIsAlsoAcrossBlocks) {
    SearchTree tree;
    for (size_t at : {0, 4090, 4091, 4093, 4095, 4096, 8190, 12282}) {
        std::string content(at + 100, '.');
        const std::string file = tree.file("f", content.replace(at, 6, "needle"));
        EXPECT_TRUE(ContentPattern("needle", false).FoundIn(file)) << at;
    }
    EXPECT_TRUE(ContentPattern("needle", false).FoundIn(tree.file("f", "...needle")));
    EXPECT_FALSE(ContentPattern("needle", false).FoundIn(tree.file("f", "...needl")));
    std::string big(5000, 'a'); // longer than a block
    big[4500] = 'b';
    const std::string file = tree.file("f", std::string(3000, 'z') + big);
    EXPECT_TRUE(ContentPattern(big, false).FoundIn(file));
    big[4500] = 'c';
    EXPECT_FALSE(ContentPattern(big, false).FoundIn(file));
}

TEST(ContentPattern, IgnoreCaseFoldsOnlyAsciiLetters) {
    SearchTree tree;
    const std::string file = tree.file("f", "xx Hello Wörld [at] xx");
    EXPECT_TRUE(ContentPattern("hELLO", true).FoundIn(file));
    EXPECT_FALSE(ContentPattern("hELLO", false).FoundIn(file));
    EXPECT_TRUE(ContentPattern("WöRLD", true).FoundIn(file));
    EXPECT_FALSE(ContentPattern("WÖRLD", true).FoundIn(file));
    EXPECT_FALSE(ContentPattern("{AT}", true).FoundIn(file));
}
