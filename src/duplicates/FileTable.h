#pragma once
// The table of found files: a header row and one row per file with name, folder, size and
// date. It never has fewer than two rows; it is empty when the name cell of row 1 is empty.
//
// A row costs a few dozen bytes: names and folders are kept once each in a store of texts,
// sizes and dates as numbers that become text only when a cell is read. A cell set to a
// text its number would not give back keeps that text.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "DateTime.h"
#include "DateTimeText.h"
#include "PathStore.h"

namespace twinsweep {

class FileTable {
public:
    static constexpr int ColumnCount = 4;
    enum Column { NameColumn = 0, FolderColumn = 1, SizeColumn = 2, DateColumn = 3 };
    using Row = std::array<std::string, ColumnCount>;

    FileTable();

    // Clears every cell, leaves two rows and writes the four captions into row 0.
    void Reset(const Row& captions);
    // How the dates of files appended with a time are written in their cells.
    void SetDateFormats(const TFormatSettings& formats) { formats_ = formats; }

    // Adds a file: the folder gets its trailing separator, the first file of an empty
    // table goes into row 1, every later one into a new last row.
    void Append(std::string_view folder, std::string_view name, int64_t size, TDateTime date);
    // The same with the date's text as it is to be shown.
    void Append(std::string_view folder, std::string_view name, int64_t size,
                const std::string& date);

    // Raise EListError for a cell outside the table.
    std::string Cell(int column, int row) const;
    void SetCell(int column, int row, const std::string& text);
    Row RowAt(int row) const;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    // Adds blank rows at the bottom or drops the bottom rows; never below 2.
    void SetRowCount(int count);

    // Deletes the last row, or blanks row 1 when only two rows are left.
    void RemoveLastRow();

    // Data rows in ascending numeric order of their size cells, otherwise in their order;
    // the header stays. Among rows of one size, those whose folder `last` picks (asked once
    // per folder, with the folder as the table holds it) come after the others.
    void SortBySize(const std::function<bool(std::string_view folder)>& last = {});
    // Whether two rows' size cells hold the same text.
    bool SameSizeCell(int a, int b) const;

    bool IsEmpty() const { return rows_[1].name == blank_; }
    // The number of files: RowCount - 1, or 0 when the table is empty.
    int FileCount() const { return IsEmpty() ? 0 : RowCount() - 1; }

    // The full path of the file in a row: folder followed by name.
    std::string FilePath(int row) const;

private:
    static constexpr int32_t FromNumber = -1; // the cell shows the row's number
    static constexpr int32_t Blank = -2;      // the cell is empty

    struct Entry {
        PathStore::Id folder = 0, name = 0;
        int32_t sizeText = Blank, dateText = Blank; // a text of texts_, or the above
        int64_t size = 0;
        TDateTime date = 0;
    };

    const Entry& EntryAt(int row) const;
    std::string TextOf(int32_t text, std::string_view fromNumber) const;
    int32_t KeepText(const std::string& text);
    int64_t SizeKey(const Entry& entry) const;
    Entry& NextRow();

    std::shared_ptr<PathStore> store_; // names and folders; only grows until Reset
    PathStore::Id blank_ = 0;          // the empty text in store_
    std::vector<Entry> rows_;
    std::vector<std::string> texts_; // cells set as text
    TFormatSettings formats_;
};

// The size as decimal text, padded with "0" to at least ten characters.
std::string SizeText(int64_t size);

// The numeric value of a size text; texts that are not numbers count as 0.
int64_t SizeValue(const std::string& text);

} // namespace twinsweep
