#pragma once
// The table of found files: a header row and one row per file with name, folder, size and
// date. It never has fewer than two rows; it is empty when the name cell of row 1 is empty.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace twinsweep {

class FileTable {
public:
    static constexpr int ColumnCount = 4;
    enum Column { NameColumn = 0, FolderColumn = 1, SizeColumn = 2, DateColumn = 3 };
    using Row = std::array<std::string, ColumnCount>;

    FileTable();

    // Clears every cell, leaves two rows and writes the four captions into row 0.
    void Reset(const Row& captions);

    // Adds a file: the folder gets its trailing separator, the first file of an empty
    // table goes into row 1, every later one into a new last row.
    void Append(std::string folder, std::string name, int64_t size, std::string date);

    // Raise EListError for a cell outside the table.
    const std::string& Cell(int column, int row) const;
    void SetCell(int column, int row, std::string text);
    const Row& RowAt(int row) const;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    // Adds blank rows at the bottom or drops the bottom rows; never below 2.
    void SetRowCount(int count);

    // Deletes the last row, or blanks row 1 when only two rows are left.
    void RemoveLastRow();

    // Data rows in ascending numeric order of their size cells; the header stays.
    void SortBySize();

    bool IsEmpty() const { return rows_[1][NameColumn].empty(); }
    // The number of files: RowCount - 1, or 0 when the table is empty.
    int FileCount() const { return IsEmpty() ? 0 : RowCount() - 1; }

    // The full path of the file in a row: folder followed by name.
    std::string FilePath(int row) const;

private:
    std::vector<Row> rows_;
};

// The size as decimal text, padded with "0" to at least ten characters.
std::string SizeText(int64_t size);

// The numeric value of a size text; texts that are not numbers count as 0.
int64_t SizeValue(const std::string& text);

} // namespace twinsweep
