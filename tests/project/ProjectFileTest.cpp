#include <cstring>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include "AddressRoom.h"
#include "DateTimeText.h"
#include "ProjectTestData.h"
#include "SystemFolders.h"
#include "TestFolder.h"

namespace twinsweep {
namespace {

const FileTable::Row Captions{"N", "F", "S", "D"};

void ExpectSameState(const Project& actual, const Project& expected) {
    SearchChoices a = actual.choices, e = expected.choices;
    // Dates and times travel as text, to the second.
    for (auto [x, y] : {std::pair{&a.after, &e.after}, {&a.before, &e.before}}) {
        EXPECT_EQ(FormatProjectDate(x->date, {}), FormatProjectDate(y->date, {}));
        EXPECT_EQ(FormatProjectTime(x->time, {}), FormatProjectTime(y->time, {}));
        x->date = y->date;
        x->time = y->time;
    }
    EXPECT_TRUE(a == e);
    EXPECT_EQ(actual.lists.LBB1, expected.lists.LBB1);
    EXPECT_EQ(actual.lists.LL1, expected.lists.LL1);
    EXPECT_EQ(actual.lists.LBB2, expected.lists.LBB2);
    EXPECT_EQ(actual.lists.LL2, expected.lists.LL2);
    ASSERT_EQ(actual.table.RowCount(), expected.table.RowCount());
    for (int row = 0; row < actual.table.RowCount(); ++row)
        EXPECT_EQ(actual.table.RowAt(row), expected.table.RowAt(row));
    EXPECT_EQ(actual.widths, expected.widths);
}

TEST(ProjectFile, WhatIsSavedLoadsBack) {
    TestFolder dir;
    std::mt19937 random(7);
    TFormatSettings dotted;
    dotted.DateSeparator = '.';
    for (int round = 0; round < 200; ++round) {
        const Project saved = RandomProject(random);
        SaveProject(dir.path("p"), LinesOf(saved, round % 2 ? dotted : TFormatSettings{}));
        ExpectSameState(LoadProject(dir.path("p"), saved.choices, Captions), saved);
    }
}

TEST(ProjectFile, TheLayoutLineByLine) {
    Project p;
    p.choices.after = {true, EncodeDate(2006, 4, 5), false, EncodeTime(7, 8, 9, 0)};
    p.lists.LBB1 = {"/r"};
    p.lists.LL1 = {"0"};
    p.lists.LBB2 = {"/d"};
    p.table.Reset(Captions);
    const TextLines lines = LinesOf(p);
    const TextLines expected{
        "1",        "0",       "",      "1",          "1",        "0",       "05/04/2006",
        "07:08:09", "0",       "0",     "30/12/1899", "00:00:00", "1",       "1",
        "1",        "1",       "0",     "0",          "1",        "1",       "1",
        "0",        "/r",      "0",     "/d",         "4,2",      "cw 0,64", "cw 1,64",
        "cw 2,64",  "cw 3,64", "0,0,N", "1,0,F",      "2,0,S",    "3,0,D"};
    EXPECT_EQ(lines, expected);

    // Written by hand: only "0" unchecks, the date range is brought into range, sizes too.
    TextLines hand = lines;
    hand[0] = hand[1] = "yes";
    hand[3] = "7";
    hand[16] = "-5";
    const Project loaded = ParseProject(hand, "p", p.choices, Captions);
    EXPECT_TRUE(loaded.choices.subfolders && loaded.choices.extensionOnly);
    EXPECT_EQ(loaded.choices.dateRange, DateRange::Accessed);
    EXPECT_EQ(loaded.choices.sizeMinKB, 0);
}

TEST(ProjectFile, ADamagedFileIsRefusedWithTheErrorOfItsFirstBadLine) {
    std::mt19937 random(3);
    Project p = RandomProject(random);
    p.lists = {};
    p.lists.LBB1 = {"/r0", "/r1"};
    p.lists.LL1 = {"0", "1"};
    p.lists.LBB2 = {"/a", "/b"};
    const TextLines good = LinesOf(p);
    const auto refused = [&](TextLines lines) -> std::string {
        try {
            ParseProject(lines, "/x.p", p.choices, Captions);
        } catch (const Exception& e) {
            return e.what();
        }
        return "loaded";
    };
    const std::string corrupt = "File contains no data or corrupt file /x.p";
    EXPECT_EQ(refused(TextLines(good.begin(), good.begin() + 10)), "List index out of bounds (10)");
    EXPECT_EQ(refused(TextLines(good.begin(), good.begin() + 24)),
              corrupt); // counts exceed the lines
    TextLines bad = good;
    bad[16] = "12k";
    bad[6] = "31/02/2001";
    EXPECT_EQ(refused(bad), "'31/02/2001' is not a valid date"); // line 6 comes first
    bad = good;
    bad[18] = "3"; // a reference more: the sections shift
    EXPECT_EQ(refused(bad), corrupt);
    bad = good;
    bad[25] = "2"; // LL1 names a group that does not exist
    EXPECT_EQ(refused(bad), corrupt);
    bad = good;
    bad[25] = " 1";
    EXPECT_EQ(refused(bad), corrupt);
    bad = good;
    bad[25] = "0"; // group 1 is left without a duplicate
    EXPECT_EQ(refused(bad), corrupt);
    bad = good;
    bad[19] = "1"; // LL1 and LBB2 differ in length
    bad.erase(bad.begin() + 25);
    EXPECT_EQ(refused(bad), corrupt);
    bad = good;
    bad[20] = "-1";
    EXPECT_EQ(refused(bad), corrupt);
    // A huge bad value is quoted short (UTF-8 kept whole): the message stays readable.
    bad = good;
    bad[16] = std::string(30 << 20, '9') + "x";
    EXPECT_EQ(refused(bad), "'" + std::string(80, '9') + "…' is not a valid integer value");
    bad[16] = std::string(79, '9') + "éé";
    EXPECT_EQ(refused(bad), "'" + std::string(79, '9') + "é…' is not a valid integer value");
    EXPECT_EQ(refused(good), "loaded");
}

// A file cut short after any of its lines never loads with a file missing or half-read: a
// dump's cell lines show it by a row missing some of its cells or a row without any. Only a
// one-file table cut before its row reads as an empty table, and a table without files may
// lose its widths and captions.
TEST(ProjectFile, ATruncatedFileLosesNoFileUnseen) {
    std::mt19937 random(17);
    for (int round = 0; round < 20; ++round) {
        const Project p = RandomProject(random);
        const TextLines whole = LinesOf(p);
        for (auto cut = whole.begin() + 1; cut != whole.end(); ++cut)
            try {
                const Project loaded =
                    ParseProject(TextLines(whole.begin(), cut), "p", {}, Captions);
                EXPECT_TRUE(loaded.table.FileCount() == p.table.FileCount() ||
                            (p.table.FileCount() == 1 && loaded.table.IsEmpty()))
                    << *cut;
            } catch (const Exception&) {
            }
    }
}

TEST(ProjectFile, AFileThatDoesNotStartAsAProjectIsNone) {
    TestFolder dir;
    using namespace std::string_literals;
    const std::string notProjects[] = {
        "\xFF\xD8\xFF\xE1\r\n1\r\n\r\nx\r\nExif\0\0"s, // a JPEG: lines before its first NUL
        "PK\x03\x04\x14\0"s, "", "Shopping list for the weekend\n1\n0\n"};
    for (const std::string& content : notProjects) {
        const std::string path = dir.write("file", content);
        try {
            LoadProject(path, {}, Captions);
            ADD_FAILURE() << "loaded";
        } catch (const ENotAProjectError& e) {
            EXPECT_EQ(e.path, path);
            EXPECT_STREQ(e.what(), ("\"" + path + "\" is not a Twinsweep project").c_str());
        }
    }
    // A project cut short or damaged in its criteria keeps its precise error.
    dir.write("file", "1\r\n0\r\n\r\nthree\r\n");
    EXPECT_THROW(LoadProject(dir.path("file"), {}, Captions), EConvertError);
}

// A name holding a line break is left out with the set it leads, and a set left without
// duplicates goes too; everything else is saved, and the names left out are told.
TEST(ProjectFile, NamesWithLineBreaksAreLeftOutAndTold) {
    std::mt19937 random(5);
    Project p = RandomProject(random);
    p.lists = {};
    p.lists.LBB1 = {"/r0", "/r\n1", "/r2", "/r3"};
    p.lists.LL1 = {"0", "0", "1", "2", "2", "3"};
    p.lists.LBB2 = {"/a", "/b\r", "/c", "/d", "/e\n", "/g\n"};
    p.lists.LL2 = {"x\ny", "ok"};
    p.table.Reset(Captions);
    p.table.Append("/f/", "carriage\rreturn", 1, "d");
    p.table.Append("/f/", "plain", 2, "d");
    std::vector<std::string> leftOut;
    const TextLines lines =
        ProjectLines(p.choices, p.lists, p.table, p.widths, TFormatSettings{}, {}, &leftOut);
    EXPECT_EQ(leftOut, (std::vector<std::string>{"/b\r", "/e\n", "/f/carriage\rreturn", "/g\n",
                                                 "/r\n1", "x\ny"}));
    const Project loaded = ParseProject(lines, "p", p.choices, Captions);
    EXPECT_EQ(loaded.lists.LBB1, (TextLines{"/r0", "/r2"}));
    EXPECT_EQ(loaded.lists.LL1, (TextLines{"0", "1"}));
    EXPECT_EQ(loaded.lists.LBB2, (TextLines{"/a", "/d"}));
    EXPECT_EQ(loaded.lists.LL2, (TextLines{"ok"}));
    ASSERT_EQ(loaded.table.RowCount(), 2);
    EXPECT_EQ(loaded.table.FilePath(1), "/f/plain");

    // Criteria are the user's own words: they are not saved in part.
    p.choices.extension = "two\nlines";
    EXPECT_THROW(LinesOf(p), EProjectLineError);
}

TEST(ProjectFile, AFailedSaveOrLoadLeavesTheFilesAlone) {
    TestFolder dir;
    std::mt19937 random(9);
    const TextLines lines = LinesOf(RandomProject(random));
    // The temporary folder's fixed names are never used: a link planted there stays as it was.
    const std::string planted = TemporaryFolder() + "mirvex20062000";
    const bool planting = ::symlink(dir.write("victim", "keep").c_str(), planted.c_str()) == 0;
    SaveProject(dir.path("old.twinsweep"), lines);
    LoadProject(dir.path("old.twinsweep"), {}, Captions);
    if (planting) {
        EXPECT_EQ(dir.read("victim"), "keep");
        ::unlink(planted.c_str());
    }
    EXPECT_THROW(SaveProject(dir.path(""), lines), EFCreateError); // a folder
    EXPECT_THROW(LoadProject(dir.path(""), {}, Captions), EFOpenError);
    EXPECT_THROW(LoadProject(dir.path("none"), {}, Captions), EFOpenError);

    // A full disk: the old project stays whole and nothing else is left.
    ::mkdir(dir.path("small").c_str(), 0700);
    if (::mount("tmpfs", dir.path("small").c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no tmpfs to fill";
    SaveProject(dir.path("small/p"), lines);
    const std::string before = dir.read("small/p");
    EXPECT_THROW(SaveProject(dir.path("small/p"), TextLines(20000, std::string(100, 'x'))),
                 EFCreateError);
    EXPECT_EQ(dir.read("small/p"), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path("small")), {}), 1);
    ::umount(dir.path("small").c_str());
}

// A huge damaged file is refused at its first bad line, in about its own size of memory:
// split whole, a file of empty lines took 16 bytes for each of its bytes.
TEST(ProjectFile, AHugeDamagedFileIsRefusedCheaply) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than the limit allows";
#else
    TestFolder dir;
    std::mt19937 random(5);
    std::string blank(64 << 20, '\n');
    const std::string alone = dir.write("blank", blank);
    std::string header;
    for (const std::string& line : LinesOf(RandomProject(random)))
        if (header.size() < 200)
            header += line + "\r\n";
    const std::string headed = dir.write("headed", header + blank);
    blank = {};
    EXPECT_EQ(InChildWithAddressRoom(400 << 20,
                                     [&] {
                                         int refused = 0;
                                         for (const std::string& path : {alone, headed})
                                             try {
                                                 LoadProject(path, {}, Captions);
                                             } catch (const Exception&) {
                                                 ++refused;
                                             }
                                         return refused == 2;
                                     }),
              0);

    // Past the bound, nothing is read.
    const std::string sparse = dir.write("sparse", "");
    ASSERT_EQ(::truncate(sparse.c_str(), static_cast<off_t>(LargestProject) + 1), 0);
    try {
        LoadProject(sparse, {}, Captions);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_NE(std::string(e.what()).find(std::strerror(EFBIG)), std::string::npos);
    }
#endif
}

} // namespace
} // namespace twinsweep
