#include "FileTable.h"

#include <algorithm>
#include <charconv>

#include "Errors.h"
#include "Paths.h"

namespace twinsweep {

namespace {

void CheckIndex(int index, int count) {
    if (index < 0 || index >= count)
        throw EListError(FormatMessage("List index out of bounds (%d)", {std::to_string(index)}));
}

} // namespace

FileTable::FileTable() { Reset({}); }

void FileTable::Reset(const Row& captions) {
    store_ = std::make_shared<PathStore>();
    blank_ = store_->Intern({});
    texts_.clear();
    rows_.assign(2, Entry{blank_, blank_});
    for (int column = 0; column < ColumnCount; ++column)
        SetCell(column, 0, captions[static_cast<size_t>(column)]);
}

FileTable::Entry& FileTable::NextRow() {
    if (!IsEmpty())
        rows_.emplace_back();
    return rows_.back();
}

void FileTable::Append(std::string_view folder, std::string_view name, int64_t size,
                       TDateTime date) {
    Entry& row = NextRow();
    row = {!folder.empty() && folder.back() == '/'
               ? store_->Intern(folder)
               : store_->Intern(IncludeTrailingPathDelimiter(std::string(folder))),
           store_->Intern(name),
           FromNumber,
           FromNumber,
           size,
           date};
}

void FileTable::Append(std::string_view folder, std::string_view name, int64_t size,
                       const std::string& date) {
    Append(folder, name, size, TDateTime{0});
    rows_.back().dateText = KeepText(date);
}

const FileTable::Entry& FileTable::EntryAt(int row) const {
    CheckIndex(row, RowCount());
    return rows_[static_cast<size_t>(row)];
}

std::string FileTable::TextOf(int32_t text, std::string_view fromNumber) const {
    if (text == Blank)
        return {};
    return text == FromNumber ? std::string(fromNumber) : texts_[static_cast<size_t>(text)];
}

std::string FileTable::Cell(int column, int row) const {
    CheckIndex(column, ColumnCount);
    const Entry& entry = EntryAt(row);
    switch (column) {
    case NameColumn:
        return std::string((*store_)[entry.name]);
    case FolderColumn:
        return std::string((*store_)[entry.folder]);
    case SizeColumn:
        return entry.sizeText == FromNumber ? SizeText(entry.size) : TextOf(entry.sizeText, {});
    default:
        return entry.dateText == FromNumber ? DateTimeToStr(entry.date, formats_)
                                            : TextOf(entry.dateText, {});
    }
}

FileTable::Row FileTable::RowAt(int row) const {
    EntryAt(row); // bounds check
    return {Cell(NameColumn, row), Cell(FolderColumn, row), Cell(SizeColumn, row),
            Cell(DateColumn, row)};
}

int32_t FileTable::KeepText(const std::string& text) {
    if (text.empty())
        return Blank;
    texts_.push_back(text);
    return static_cast<int32_t>(texts_.size() - 1);
}

void FileTable::SetCell(int column, int row, const std::string& text) {
    CheckIndex(column, ColumnCount);
    EntryAt(row); // bounds check
    Entry& entry = rows_[static_cast<size_t>(row)];
    switch (column) {
    case NameColumn:
        entry.name = store_->Intern(text);
        break;
    case FolderColumn:
        entry.folder = store_->Intern(text);
        break;
    case SizeColumn:
        if (!text.empty() && SizeText(SizeValue(text)) == text) {
            entry.size = SizeValue(text);
            entry.sizeText = FromNumber;
        } else {
            entry.sizeText = KeepText(text);
        }
        break;
    default:
        entry.dateText = KeepText(text);
    }
}

void FileTable::SetRowCount(int count) {
    rows_.resize(static_cast<size_t>(std::max(count, 2)), Entry{blank_, blank_});
}

void FileTable::RemoveLastRow() {
    if (RowCount() > 2)
        rows_.pop_back();
    else
        rows_[1] = Entry{blank_, blank_};
}

int64_t FileTable::SizeKey(const Entry& entry) const {
    return entry.sizeText == FromNumber ? entry.size : SizeValue(TextOf(entry.sizeText, {}));
}

void FileTable::SortBySize(const std::function<bool(std::string_view folder)>& last) {
    if (!last) {
        std::stable_sort(rows_.begin() + 1, rows_.end(), [this](const Entry& a, const Entry& b) {
            return SizeKey(a) < SizeKey(b);
        });
        return;
    }
    // Each folder asked once, before the sort compares anything.
    std::vector<int8_t> lastFolder(store_->size(), -1);
    for (auto row = rows_.begin() + 1; row != rows_.end(); ++row)
        if (int8_t& known = lastFolder[row->folder]; known < 0)
            known = last((*store_)[row->folder]) ? 1 : 0;
    std::stable_sort(rows_.begin() + 1, rows_.end(), [&](const Entry& a, const Entry& b) {
        const int64_t sizeA = SizeKey(a), sizeB = SizeKey(b);
        return sizeA != sizeB ? sizeA < sizeB : lastFolder[a.folder] < lastFolder[b.folder];
    });
}

bool FileTable::SameSizeCell(int a, int b) const {
    const Entry &first = EntryAt(a), &second = EntryAt(b);
    if (first.sizeText == FromNumber && second.sizeText == FromNumber)
        return first.size == second.size;
    return Cell(SizeColumn, a) == Cell(SizeColumn, b);
}

std::string FileTable::FilePath(int row) const {
    const Entry& entry = EntryAt(row);
    std::string path((*store_)[entry.folder]);
    path += (*store_)[entry.name];
    return path;
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
