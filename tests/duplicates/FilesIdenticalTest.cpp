#include "FilesIdentical.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TestFolder.h"

using namespace twinsweep;

TEST(FilesIdentical, SameBytesAndLengthOnly) {
    TestFolder dir;
    const std::string big(600 * 1024 + 7, 'x'); // more than two blocks
    std::string lastDiffers = big;
    lastDiffers.back() = 'y';
    const auto a = dir.write("a", big), b = dir.write("b", big), c = dir.write("c", lastDiffers);
    const auto longer = dir.write("d", big + "x");
    const auto e1 = dir.write("e1", ""), e2 = dir.write("e2", "");
    EXPECT_TRUE(FilesIdentical(a, b));
    EXPECT_EQ(CompareFiles(a, a), Comparison::SameFile); // one file is no duplicate of itself
    EXPECT_FALSE(FilesIdentical(a, c));
    EXPECT_FALSE(FilesIdentical(a, longer));
    EXPECT_TRUE(FilesIdentical(e1, e2));
}

TEST(FilesIdentical, AnyFailureIsFalse) {
    TestFolder dir;
    const auto a = dir.write("a", "same"), b = dir.write("b", "same");
    EXPECT_FALSE(FilesIdentical(a, dir.path("missing")));
    EXPECT_FALSE(FilesIdentical(dir.path("missing"), dir.path("missing")));
    EXPECT_FALSE(FilesIdentical(a, dir.path(""))); // a folder
    const std::string fifo = dir.path("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(FilesIdentical(fifo, fifo)); // never opened, so never blocks
    const std::string link = dir.path("link");
    ASSERT_EQ(symlink(b.c_str(), link.c_str()), 0);
    EXPECT_FALSE(FilesIdentical(a, link)); // links are not followed
}
