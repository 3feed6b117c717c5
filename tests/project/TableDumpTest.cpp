#include "TableDump.h"

#include <gtest/gtest.h>

#include "TestFolder.h"

namespace twinsweep {
namespace {

TEST(TableDump, WritesAndReadsItsLineFormat) {
    FileTable table;
    table.Reset({"Name", "Folder", "", "Date"});
    table.Append("/f", "a", 1234, "d");
    table.SetCell(FileTable::NameColumn, 1, "two\r\nlines\tand a tab");
    const TextLines lines = DumpTable(table, {10, 20, 30, 40});
    const TextLines expected{"4,2",        "cw 0,10",        "cw 1,20",
                             "cw 2,30",    "cw 3,40",        "0,0,Name",
                             "1,0,Folder", "3,0,Date",       "0,1,two\t\blines\tand a tab",
                             "1,1,/f/",    "2,1,0000001234", "3,1,d"};
    EXPECT_EQ(lines, expected);

    FileTable back;
    ColumnWidths widths = DefaultColumnWidths;
    UndumpTable(lines, 0, "t", back, widths);
    EXPECT_EQ(widths, (ColumnWidths{10, 20, 30, 40}));
    // A tab, once a CR was encoded, comes back as a CR: such texts are never saved.
    EXPECT_EQ(back.Cell(FileTable::NameColumn, 1), "two\r\nlines\rand a tab");
    EXPECT_FALSE(DumpKeepsCellText("two\r\nlines"));
    EXPECT_TRUE(DumpKeepsCellText("a\tb"));

    // Lines outside the table are ignored; the rows are the dump's.
    UndumpTable(TextLines{"4,3", "cw 9,5", "cw 1,7", "7,1,x", "0,5,y", "0,2,z,with,commas", "1,2,/",
                          "2,2,1", "3,2,d"},
                0, "t", back, widths);
    EXPECT_EQ(back.RowCount(), 3);
    EXPECT_EQ(back.Cell(0, 2), "z,with,commas");
    EXPECT_EQ(widths[1], 7);
}

TEST(TableDump, ItsErrorsNameTheFile) {
    TestFolder dir;
    FileTable table;
    ColumnWidths widths = DefaultColumnWidths;
    const auto error = [&](const TextLines& lines) -> std::string {
        try {
            UndumpTable(lines, 0, "/t", table, widths);
        } catch (const Exception& e) {
            return e.what();
        }
        return "read";
    };
    EXPECT_EQ(error({"0,5"}), "File contains no data or corrupt file /t");
    EXPECT_EQ(error({"4,0"}), "File contains no data or corrupt file /t");
    EXPECT_EQ(error({"4,2000000000"}), "File contains no data or corrupt file /t"); // no such rows
    EXPECT_EQ(error({"4,2", "0,1"}), "File contains no data or corrupt file /t");
    EXPECT_EQ(error({"4,x"}), "'x' is not a valid integer value");
    EXPECT_EQ(error({"", "0,1,kept", "1,1,/", "2,1,1", "3,1,d"}), "read");
    EXPECT_EQ(table.Cell(0, 1), "kept");

    try {
        LoadTableDump(table, widths, dir.path("none"));
        ADD_FAILURE();
    } catch (const EGridError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + dir.path("none"));
    }
    try {
        SaveTableDump(table, widths, dir.path(""));
        ADD_FAILURE();
    } catch (const EGridError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot Create " + dir.path(""));
    }
    SaveTableDump(table, widths, dir.path("dump"));
    FileTable back;
    LoadTableDump(back, widths, dir.path("dump"));
    EXPECT_EQ(back.Cell(0, 1), "kept");

    // A row past the first without a text, or a row missing some cells: a dump cut short.
    for (const TextLines& blankRow :
         {TextLines{"4,3", "0,1,a", "1,1,/f/"}, TextLines{"4,3", "0,1,a", "0,2,"},
          TextLines{"4,2", "0,1,a", "1,1,/f/", "2,1,3"}}) {
        FileTable fresh;
        EXPECT_THROW(UndumpTable(blankRow, 0, "/t", fresh, widths), EGridError);
    }
}

} // namespace
} // namespace twinsweep
