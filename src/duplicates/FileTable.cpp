#include "FileTable.h"

#include <algorithm>
#include <charconv>

#include "Errors.h"
#include "Paths.h"

namespace twinsweep {

FileTable::FileTable() : rows_(2) {}

void FileTable::Reset(const Row& captions) {
    rows_.assign(2, Row{});
    rows_[0] = captions;
}

void FileTable::Append(std::string folder, std::string name, int64_t size, std::string date) {
    if (!IsEmpty())
        rows_.emplace_back();
    rows_.back() =
        Row{std::move(name), IncludeTrailingPathDelimiter(folder), SizeText(size), std::move(date)};
}

const FileTable::Row& FileTable::RowAt(int row) const {
    if (row < 0 || row >= RowCount())
        throw EListError(FormatMessage("List index out of bounds (%d)", {std::to_string(row)}));
    return rows_[static_cast<size_t>(row)];
}

const std::string& FileTable::Cell(int column, int row) const {
    if (column < 0 || column >= ColumnCount)
        throw EListError(FormatMessage("List index out of bounds (%d)", {std::to_string(column)}));
    return RowAt(row)[static_cast<size_t>(column)];
}

void FileTable::SetCell(int column, int row, std::string text) {
    Cell(column, row); // bounds check
    rows_[static_cast<size_t>(row)][static_cast<size_t>(column)] = std::move(text);
}

void FileTable::SetRowCount(int count) { rows_.resize(static_cast<size_t>(std::max(count, 2))); }

void FileTable::RemoveLastRow() {
    if (RowCount() > 2)
        rows_.pop_back();
    else
        rows_[1] = Row{};
}

void FileTable::SortBySize() {
    // Each key is parsed once; then whole rows move in place.
    std::vector<std::pair<int64_t, size_t>> keys;
    keys.reserve(rows_.size() - 1);
    for (size_t i = 1; i < rows_.size(); ++i)
        keys.emplace_back(SizeValue(rows_[i][SizeColumn]), i);
    std::sort(keys.begin(), keys.end());
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    sorted.push_back(std::move(rows_[0]));
    for (const auto& key : keys)
        sorted.push_back(std::move(rows_[key.second]));
    rows_ = std::move(sorted);
}

std::string FileTable::FilePath(int row) const {
    const Row& r = RowAt(row);
    return r[FolderColumn] + r[NameColumn];
}

std::string SizeText(int64_t size) {
    std::string digits = std::to_string(size);
    return digits.size() < 10 ? std::string(10 - digits.size(), '0') + digits : digits;
}

int64_t SizeValue(const std::string& text) {
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

} // namespace twinsweep
