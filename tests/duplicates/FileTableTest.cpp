#include "FileTable.h"

#include <gtest/gtest.h>

#include "Errors.h"

using namespace twinsweep;

namespace {

const FileTable::Row Captions{"Name", "Folder", "Size", "Date"};

FileTable TableWithSizes(std::initializer_list<int64_t> sizes) {
    FileTable table;
    table.Reset(Captions);
    int n = 0;
    for (int64_t size : sizes)
        table.Append("/data", "f" + std::to_string(n++), size, "date");
    return table;
}

} // namespace

TEST(FileTable, ResetLeavesTwoRowsWithCaptionsAndNoFile) {
    FileTable table = TableWithSizes({1, 2, 3});
    table.SetCell(2, 0, "changed");
    table.Reset(Captions);
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.RowAt(0), Captions);
    EXPECT_EQ(table.RowAt(1), FileTable::Row{});
    EXPECT_TRUE(table.IsEmpty());
    EXPECT_EQ(table.FileCount(), 0);
}

TEST(FileTable, AppendFillsRowOneFirstThenAddsRows) {
    FileTable table;
    table.Reset(Captions);
    table.Append("/data", "a.txt", 1234, "05/04/2006 13:00:00");
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.FileCount(), 1);
    EXPECT_EQ(table.RowAt(1),
              (FileTable::Row{"a.txt", "/data/", "0000001234", "05/04/2006 13:00:00"}));
    table.Append("/", "b", 0, "d");
    EXPECT_EQ(table.RowCount(), 3);
    EXPECT_EQ(table.FileCount(), 2);
    EXPECT_EQ(table.Cell(1, 2), "/"); // a root stays as it is
    EXPECT_EQ(table.FilePath(2), "/b");
    EXPECT_EQ(table.FilePath(1), "/data/a.txt");
}

TEST(FileTable, SizesArePaddedToTenCharactersAndMayBeLonger) {
    EXPECT_EQ(SizeText(0), "0000000000");
    EXPECT_EQ(SizeText(2147483647), "2147483647");
    EXPECT_EQ(SizeText(4294967296), "4294967296");
    EXPECT_EQ(SizeText(10000000000), "10000000000");
    EXPECT_EQ(SizeValue("0000001234"), 1234);
    EXPECT_EQ(SizeValue("12345678901"), 12345678901);
    EXPECT_EQ(SizeValue(""), 0);
    EXPECT_EQ(SizeValue("12ab"), 0);
}

TEST(FileTable, RemovingTheLastRowBlanksRowOneAtTheEnd) {
    FileTable table = TableWithSizes({5, 6});
    table.RemoveLastRow();
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.Cell(0, 1), "f0");
    table.RemoveLastRow();
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_TRUE(table.IsEmpty());
    EXPECT_EQ(table.RowAt(1), FileTable::Row{});
    EXPECT_EQ(table.RowAt(0), Captions);
}

TEST(FileTable, SortsWholeRowsByNumericSizeKeepingTheHeader) {
    FileTable table = TableWithSizes({300, 10, 2000, 10000000000, 99});
    table.SortBySize();
    std::vector<std::string> sizes, names;
    for (int row = 1; row < table.RowCount(); ++row) {
        sizes.push_back(table.Cell(2, row));
        names.push_back(table.Cell(0, row));
    }
    EXPECT_EQ(sizes, (std::vector<std::string>{"0000000010", "0000000099", "0000000300",
                                               "0000002000", "10000000000"}));
    EXPECT_EQ(names, (std::vector<std::string>{"f1", "f4", "f0", "f2", "f3"}));
    EXPECT_EQ(table.RowAt(0), Captions);

    FileTable empty;
    empty.Reset(Captions);
    empty.SortBySize();
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(empty.RowAt(0), Captions);
}

TEST(FileTable, CellsOutsideTheTableAreRefused) {
    FileTable table = TableWithSizes({1});
    EXPECT_THROW(table.Cell(0, 2), EListError);
    EXPECT_THROW(table.Cell(4, 1), EListError);
    EXPECT_THROW(table.SetCell(-1, 1, "x"), EListError);
    try {
        table.RowAt(7);
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (7)");
    }
    table.SetRowCount(0);
    EXPECT_EQ(table.RowCount(), 2);
    table.SetRowCount(4);
    EXPECT_EQ(table.RowAt(3), FileTable::Row{});
}
