#include "DuplicateScan.h"

#include <algorithm>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <unistd.h>

#include "FileDescriptor.h"
#include "FilesIdentical.h"
#include "LongPath.h"
#include "Paths.h"
#include "TestFolder.h"

using namespace twinsweep;

namespace {

// The scan as first conceived: every bottom row compared with each row of its size above it.
void PairwiseScan(FileTable& table, ResultLists& lists) {
    std::string lastReference;
    while (!table.IsEmpty()) {
        const int bottom = table.RowCount() - 1;
        const std::string reference = table.FilePath(bottom);
        for (int row = bottom - 1; row >= 1; --row) {
            if (table.Cell(2, bottom) == "0000000000" ||
                table.Cell(2, row) != table.Cell(2, bottom))
                break;
            if (FilesIdentical(reference, table.FilePath(row))) {
                if (reference != lastReference) {
                    lastReference = reference;
                    lists.LBB1.push_back(reference);
                }
                lists.LBB2.push_back(table.FilePath(row));
                lists.LL1.push_back(std::to_string(lists.LBB1.size() - 1));
            }
        }
        table.RemoveLastRow();
    }
}

FileTable TableOf(const TestFolder& dir,
                  const std::vector<std::pair<std::string, std::string>>& files) {
    FileTable table;
    table.Reset({"N", "F", "S", "D"});
    for (const auto& [name, content] : files) {
        dir.write(name, content);
        table.Append(dir.path(), name, static_cast<int64_t>(content.size()), "d");
    }
    return table;
}

void ExpectSameLists(const ResultLists& a, const ResultLists& b) {
    EXPECT_EQ(a.LBB1, b.LBB1);
    EXPECT_EQ(a.LBB2, b.LBB2);
    EXPECT_EQ(a.LL1, b.LL1);
}

// Builds a random tree: several sizes, each with a few contents differing anywhere
// (often in the last byte), empty files, and files that vanish before the scan.
FileTable RandomTable(std::mt19937& random, const TestFolder& dir) {
    std::vector<std::pair<std::string, std::string>> files;
    const int sizes = 1 + static_cast<int>(random() % 4);
    int n = 0;
    for (int s = 0; s < sizes; ++s) {
        const size_t length = random() % 3 == 0 ? 0 : 1 + random() % 300;
        const int variants = 1 + static_cast<int>(random() % 3);
        const int count = 1 + static_cast<int>(random() % 7);
        for (int f = 0; f < count; ++f) {
            std::string content(length, static_cast<char>('a' + s));
            const int variant = static_cast<int>(random() % variants);
            if (length > 0 && variant > 0)
                content[random() % 2 ? length - 1 : random() % length] =
                    static_cast<char>('0' + variant);
            files.emplace_back("f" + std::to_string(n++), content);
        }
    }
    FileTable table = TableOf(dir, files);
    table.SortBySize();
    for (const auto& [name, content] : files)
        if (random() % 12 == 0)
            std::remove(dir.path(name).c_str());
    return table;
}

} // namespace

TEST(DuplicateScan, GivesThePairwiseListsOnRandomTrees) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 60; ++round) {
        TestFolder dir;
        FileTable table = RandomTable(random, dir);
        FileTable copy = table;
        ResultLists expected, actual;
        PairwiseScan(copy, expected);
        ASSERT_TRUE(RunDuplicateScan(table, actual, {}));
        ExpectSameLists(actual, expected);
        EXPECT_TRUE(table.IsEmpty());
    }
}

TEST(DuplicateScan, ResumingAfterACancelEndsWithTheUninterruptedLists) {
    std::mt19937 random(99);
    for (int round = 0; round < 60; ++round) {
        TestFolder dir;
        FileTable table = RandomTable(random, dir);
        FileTable copy = table;
        ResultLists expected, actual;
        PairwiseScan(copy, expected);
        int steps = 0;
        int stopAfter = static_cast<int>(random() % 12);
        const LongWork stopping{[&] { return steps++ < stopAfter; }};
        // Cancelled: start again on what the table still holds, each time a little longer.
        while (!RunDuplicateScan(table, actual, stopping)) {
            steps = 0;
            stopAfter = stopAfter * 2 + 1;
        }
        ExpectSameLists(actual, expected);
    }
}

TEST(DuplicateScan, GroupsFollowTheBottomUpOrder) {
    TestFolder dir;
    // Three identical files F1, F2, F3 (top to bottom): F3 with F2 and F1, then F2 with F1.
    FileTable three = TableOf(dir, {{"F1", "same"}, {"F2", "same"}, {"F3", "same"}});
    ResultLists lists;
    ASSERT_TRUE(RunDuplicateScan(three, lists, {}));
    const std::string d = dir.path();
    EXPECT_EQ(lists.LBB1, (TextLines{d + "F3", d + "F2"}));
    EXPECT_EQ(lists.LBB2, (TextLines{d + "F2", d + "F1", d + "F1"}));
    EXPECT_EQ(lists.LL1, (TextLines{"0", "0", "1"}));

    // Two sets in one size: F4 with F2, then F3 with F1.
    FileTable sets = TableOf(dir, {{"F1", "abc"}, {"F2", "xyz"}, {"F3", "abc"}, {"F4", "xyz"}});
    ResultLists two;
    ASSERT_TRUE(RunDuplicateScan(sets, two, {}));
    EXPECT_EQ(two.LBB1, (TextLines{d + "F4", d + "F3"}));
    EXPECT_EQ(two.LBB2, (TextLines{d + "F2", d + "F1"}));
    EXPECT_EQ(two.LL1, (TextLines{"0", "1"}));
}

TEST(DuplicateScan, NeverComparesEmptyFilesOrOtherSizes) {
    TestFolder dir;
    FileTable table = TableOf(dir, {{"e1", ""}, {"e2", ""}, {"a", "prefix"}, {"b", "prefix+"}});
    ResultLists lists;
    std::vector<int> progress;
    LongWork events;
    events.progress = [&](int left) { progress.push_back(left); };
    ASSERT_TRUE(RunDuplicateScan(table, lists, events));
    EXPECT_TRUE(lists.LBB1.empty() && lists.LBB2.empty());
    EXPECT_TRUE(table.IsEmpty());
    EXPECT_EQ(progress.front(), 4);
    EXPECT_EQ(progress.back(), 0);

    FileTable one = TableOf(dir, {{"only", "x"}});
    ASSERT_TRUE(RunDuplicateScan(one, lists, {}));
    EXPECT_TRUE(lists.LBB1.empty());
    EXPECT_TRUE(one.IsEmpty());
}

TEST(DuplicateScan, CancelKeepsTheRowUnderWayAndWhatWasFound) {
    TestFolder dir;
    FileTable table =
        TableOf(dir, {{"a1", "aa"}, {"a2", "aa"}, {"b1", "bbb"}, {"b2", "bbb"}, {"b3", "bbb"}});
    ResultLists lists;
    const LongWork events{[&] { return lists.LBB2.size() < 1; }}; // stop after the first match
    EXPECT_FALSE(RunDuplicateScan(table, lists, events));
    EXPECT_EQ(lists.LBB1, TextLines{dir.path("b3")});
    EXPECT_EQ(lists.LBB2, TextLines{dir.path("b2")});
    EXPECT_EQ(table.RowCount() - 1, 5); // b3, whose comparisons were under way, is still there
}

TEST(DuplicateScan, PathsToOneFileAreNeverAPair) {
    TestFolder dir;
    // a/x with a hard link a/y, b a link to the folder a (as if a folder had been replaced
    // meanwhile), a/x listed twice, and one real copy c/x at the bottom.
    dir.write("a/x", "same");
    ASSERT_EQ(::link(dir.path("a/x").c_str(), dir.path("a/y").c_str()), 0);
    ASSERT_EQ(::symlink(dir.path("a").c_str(), dir.path("b").c_str()), 0);
    dir.write("c/x", "same");
    FileTable table;
    table.Reset({"N", "F", "S", "D"});
    for (const std::string path : {"a/x", "a/y", "b/x", "a/x", "c/x"})
        table.Append(dir.path(ExtractFilePath(path)), ExtractFileName(path), 4, "d");
    ResultLists lists;
    ASSERT_TRUE(RunDuplicateScan(table, lists, {}));
    EXPECT_EQ(lists.LBB1, TextLines{dir.path("c/x")});
    EXPECT_EQ(lists.LBB2, (TextLines{dir.path("a/x"), dir.path("b/x"), dir.path("a/y")}));
}

TEST(DuplicateScan, TheTableEndsAtItsRowCountNotAtABlankName) {
    TestFolder dir;
    FileTable table = TableOf(dir, {{"   ", "same"}, {"b", "same"}});
    ResultLists lists;
    ASSERT_TRUE(RunDuplicateScan(table, lists, {}));
    EXPECT_EQ(lists.LBB1, TextLines{dir.path("b")});
    EXPECT_EQ(lists.LBB2, TextLines{dir.path("   ")});
    EXPECT_TRUE(table.IsEmpty());
}

TEST(DuplicateScan, FindsCopiesWhosePathsAreLongerThanAnyOneCall) {
    TestFolder dir;
    std::string deep = dir.path();
    while (deep.size() <= 6000) {
        const FileDescriptor parent(OpenPath(deep, O_PATH | O_DIRECTORY | O_CLOEXEC));
        ASSERT_EQ(::mkdirat(parent.get(), std::string(200, 'd').c_str(), 0755), 0);
        deep += std::string(200, 'd') + "/";
    }
    FileTable table;
    table.Reset({"N", "F", "S", "D"});
    for (const std::string& folder : {deep, deep, dir.path()}) {
        const std::string name = "f" + std::to_string(table.FileCount());
        const FileDescriptor file(OpenPath(folder + name, O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
        ASSERT_EQ(::write(file.get(), "same", 4), 4);
        table.Append(folder, name, 4, "d");
    }
    ResultLists lists;
    ASSERT_TRUE(RunDuplicateScan(table, lists, {}));
    EXPECT_EQ(lists.LBB1, (TextLines{dir.path("f2"), deep + "f1"}));
    EXPECT_EQ(lists.LBB2, (TextLines{deep + "f1", deep + "f0", deep + "f0"}));
}

namespace {

// A scan that notes the bytes compared whenever it reports progress or asks to go on.
struct WatchedScan {
    ScanBytes bytes;
    ScanStats stats;
    std::vector<int64_t> seen;

    bool Run(FileTable& table, ResultLists& lists, const std::function<bool()>& keepGoing = {}) {
        const LongWork work{[&] {
                                seen.push_back(bytes.Compared());
                                return !keepGoing || keepGoing();
                            },
                            [&](int) { seen.push_back(bytes.Compared()); }};
        const bool completed = RunDuplicateScan(table, lists, work, &stats, &bytes);
        seen.push_back(bytes.Compared());
        return completed;
    }

    void ExpectNeverFallingNorPastTheTotal() const {
        EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
        EXPECT_LE(seen.back(), bytes.Total());
    }
};

} // namespace

TEST(DuplicateScan, ComparedBytesRiseToTheTotalOfTheRunsOfEqualSizes) {
    TestFolder dir;
    const std::string big(1 << 20, 'b'), middle(70000, 'm');
    std::vector<std::pair<std::string, std::string>> files{
        {"big1", big}, {"big2", big},      {"s1", "abc"}, {"s2", "abc"},
        {"s3", "abd"}, {"alone", "12345"}, {"e1", ""},    {"e2", ""}};
    // More files than are read side by side: their blocks are read more than once.
    for (int i = 0; i < 130; ++i)
        files.emplace_back("m" + std::to_string(i), middle);
    FileTable table = TableOf(dir, files);
    table.SortBySize();
    EXPECT_EQ(BytesToCompare(table), 2 * (1 << 20) + 130 * 70000 + 3 * 3);

    WatchedScan scan;
    ResultLists lists;
    ASSERT_TRUE(scan.Run(table, lists));
    EXPECT_EQ(scan.bytes.Total(), 2 * (1 << 20) + 130 * 70000 + 3 * 3);
    EXPECT_EQ(scan.seen.back(), scan.bytes.Total());
    EXPECT_EQ(scan.stats.candidateBytes, scan.bytes.Total());
    EXPECT_GT(scan.stats.bytesRead, scan.bytes.Total());
    scan.ExpectNeverFallingNorPastTheTotal();
    // The large pair comes first, and is followed while it is read.
    EXPECT_TRUE(std::any_of(scan.seen.begin(), scan.seen.end(),
                            [&](int64_t seen) { return seen > 0 && seen < 2 * (1 << 20); }));
}

TEST(DuplicateScan, AResumedScanCountsTheBytesLeft) {
    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        TestFolder dir;
        FileTable table = RandomTable(random, dir);
        ResultLists lists;
        int steps = 0, stopAfter = static_cast<int>(random() % 12);
        // Cancelled: start again on what the table still holds, each time a little longer.
        for (;;) {
            WatchedScan scan;
            const bool completed = scan.Run(table, lists, [&] { return steps++ < stopAfter; });
            scan.ExpectNeverFallingNorPastTheTotal();
            if (completed) {
                // What the resumed scan counted at its start is what it went on to compare.
                EXPECT_EQ(scan.seen.back(), scan.bytes.Total());
                EXPECT_EQ(scan.stats.candidateBytes, scan.bytes.Total());
                break;
            }
            steps = 0;
            stopAfter = stopAfter * 2 + 1;
        }
    }
}

// Sizes no file can have (a damaged project's) make the largest count, not an overflow.
TEST(DuplicateScan, HugeSizesSaturateTheCounts) {
    TestFolder dir;
    FileTable table;
    table.Reset({"N", "F", "S", "D"});
    for (const char* name : {"a", "b", "c"})
        table.Append(dir.path(), dir.write(name, name).substr(dir.path().size()), int64_t(1) << 62,
                     "d");
    table.Append(dir.path(), "d", std::numeric_limits<int64_t>::max(), "d");
    table.Append(dir.path(), "e", std::numeric_limits<int64_t>::max(), "d");
    table.SortBySize();
    EXPECT_EQ(BytesToCompare(table), std::numeric_limits<int64_t>::max());
    WatchedScan scan;
    ResultLists lists;
    ASSERT_TRUE(scan.Run(table, lists));
    EXPECT_EQ(lists.LBB2.size(), 0u);
    EXPECT_EQ(scan.bytes.Compared(), std::numeric_limits<int64_t>::max());
    scan.ExpectNeverFallingNorPastTheTotal();
}
