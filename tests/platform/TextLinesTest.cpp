#include "TextLines.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Errors.h"
#include "TestFolder.h"

using namespace twinsweep;

TEST(TextLines, SplitsAtCrLfOrCrLfAndStopsAtNul) {
    EXPECT_EQ(SplitTextLines("a\r\nb\nc\rd"), (TextLines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitTextLines("a\r\n"), (TextLines{"a"}));     // final break adds nothing
    EXPECT_EQ(SplitTextLines("a\n\n"), (TextLines{"a", ""})); // an empty line stays
    EXPECT_EQ(SplitTextLines("\r\n"), (TextLines{""}));
    EXPECT_EQ(SplitTextLines("\n\r"), (TextLines{"", ""})); // LF CR is two breaks
    EXPECT_EQ(SplitTextLines(std::string("a\nb\0c\nd", 7)), (TextLines{"a", "b"}));
    EXPECT_TRUE(SplitTextLines("").empty());
    // Split as they are asked for, the same lines.
    for (const std::string text : {"a\r\nb\nc\rd", "a\r\n", "a\n\n", "\r\n", "\n\r", "x\r", ""}) {
        const LinesOfText lines(text);
        const TextLines whole = SplitTextLines(text);
        ASSERT_EQ(lines.size(), whole.size()) << text;
        EXPECT_FALSE(lines.Has(whole.size()));
        for (size_t i = whole.size(); i-- > 0;)
            EXPECT_EQ(lines[i], whole[i]);
    }
    EXPECT_THROW(LinesOfText("a").View(1), EListError);
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
        EXPECT_EQ(std::string(e.what()),
                  "Cannot open file \"" + missing + "\". No such file or directory");
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

// The message of the EFOpenError or EFCreateError that `action` raises.
template <typename Error, typename Action> std::string ErrorMessage(Action action) {
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(TextLines, RefusesSpecialFilesWithoutOpeningOrBlocking) {
    TestFolder folder;
    const std::string fifo = folder.path("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ErrorMessage<EFOpenError>([&] { ReadTextLines(fifo); }),
              "Cannot open file \"" + fifo + "\". Not a regular file");
    EXPECT_EQ(ErrorMessage<EFOpenError>([&] { ReadTextLines(folder.path()); }),
              "Cannot open file \"" + folder.path() + "\". Is a directory");
    // A reader is waiting, so opening the FIFO for writing would succeed at once.
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(ErrorMessage<EFCreateError>([&] { WriteTextLines(fifo, {"x"}); }),
              "Cannot create file \"" + fifo + "\". Not a regular file");
    char byte = 0;
    EXPECT_EQ(::read(reader, &byte, 1), 0); // nothing written, no writer left
    ::close(reader);
    EXPECT_THROW(WriteTextLines(folder.path(), {}), EFCreateError);
}

TEST(TextLines, BoundedReadKeepsTheLinesThatEndWithinTheBound) {
    TestFolder folder;
    const std::string path = folder.write("lines", "one\r\ntwo\r\nthree");
    EXPECT_EQ(ReadTextLines(path, 15), (TextLines{"one", "two", "three"})); // the whole file
    EXPECT_EQ(ReadTextLines(path, 14), (TextLines{"one", "two"}));
    EXPECT_EQ(ReadTextLines(path, 9), (TextLines{"one", "two"})); // its CR ends "two"
    EXPECT_EQ(ReadTextLines(path, 3), TextLines{});
    // A NUL within the bound ends the text there, as in a whole read.
    const std::string ended = folder.write("nul", std::string("a\r\nb\0cc", 7));
    EXPECT_EQ(ReadTextLines(ended, 5), (TextLines{"a", "b"}));
}

// A save killed at any moment leaves the old file whole and, once the next save is done,
// nothing beside it.
TEST(TextLines, AKilledReplacementLeavesNothingBehind) {
    TestFolder folder;
    const std::string path = folder.write("project", "old\r\n");
    const std::string big(8 << 20, 'x');
    std::mt19937 random(27);
    for (int round = 0; round < 12; ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (;;)
                ReplaceFileText(path, big);
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(1000, 60000)(random));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = folder.read("project");
        EXPECT_TRUE(now == "old\r\n" || now == big);
    }
    // What the fallback or a kill after naming leaves goes with the next save.
    folder.write(std::string("project") + SavePartSuffix, "left");
    ReplaceFileText(path, "new\r\n");
    EXPECT_EQ(folder.read("project"), "new\r\n");
    // A name without a folder is in the working folder.
    const auto working = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    ReplaceFileText("fresh", "newer\r\n");
    std::filesystem::current_path(working);
    EXPECT_EQ(folder.read("fresh"), "newer\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}
