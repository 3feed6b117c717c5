#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

#include "Errors.h"
#include "TestFolder.h"
#include "TextLines.h"

using namespace twinsweep;

TEST(TextLines, SplitsAtCrLfOrCrLfAndStopsAtNul) {
    EXPECT_EQ(SplitTextLines("a\r\nb\nc\rd"), (TextLines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitTextLines("a\r\n"), (TextLines{"a"}));   // final break adds nothing
    EXPECT_EQ(SplitTextLines("a\n\n"), (TextLines{"a", ""})); // an empty line stays
    EXPECT_EQ(SplitTextLines("\r\n"), (TextLines{""}));
    EXPECT_EQ(SplitTextLines("\n\r"), (TextLines{"", ""})); // LF CR is two breaks
    EXPECT_EQ(SplitTextLines(std::string("a\nb\0c\nd", 7)), (TextLines{"a", "b"}));
    EXPECT_TRUE(SplitTextLines("").empty());
}

TEST(TextLines, WritesCrLfAfterEveryLineAndReadsBackBytesExactly) {
    TestFolder folder;
    const std::string path = folder.path("conf.dat");
    const TextLines lines{"1", "", "caf\xc3\xa9", "\xff\xfe raw"};
    WriteTextLines(path, lines);
    EXPECT_EQ(folder.read("conf.dat"), "1\r\n\r\ncaf\xc3\xa9\r\n\xff\xfe raw\r\n");
    EXPECT_EQ(ReadTextLines(path), lines);

    WriteTextLines(path, {});
    EXPECT_EQ(folder.read("conf.dat"), "");
}

TEST(TextLines, ReportsTheRuntimeMessages) {
    TestFolder folder;
    const std::string missing = folder.path("missing.txt");
    try {
        ReadTextLines(missing);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + missing + "\". No such file or directory");
    }
    const std::string inMissingFolder = folder.path("no/such/file.txt");
    try {
        WriteTextLines(inMissingFolder, {"x"});
        FAIL();
    } catch (const EFCreateError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot create file \"" + inMissingFolder + "\". No such file or directory");
    }
}

TEST(TextLines, RefusesSpecialFilesInsteadOfBlocking) {
    TestFolder folder;
    const std::string fifo = folder.path("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(ReadTextLines(fifo), EFOpenError);
    EXPECT_THROW(ReadTextLines(folder.path("")), EFOpenError); // a folder
}
