#include "TableDump.h"

#include <algorithm>

#include "Conversions.h"

namespace twinsweep {

namespace {

EGridError Corrupt(const std::string& path) {
    return EGridError("File contains no data or corrupt file " + path);
}

std::string Encoded(std::string text) {
    if (text.find('\r') == std::string::npos)
        return text;
    std::replace(text.begin(), text.end(), '\r', '\t');
    std::replace(text.begin(), text.end(), '\n', '\b');
    return text;
}

std::string Decoded(std::string text) {
    if (text.find('\b') == std::string::npos)
        return text;
    std::replace(text.begin(), text.end(), '\t', '\r');
    std::replace(text.begin(), text.end(), '\b', '\n');
    return text;
}

// The two integers of "A,B..." and where B ends; raises EConvertError for either.
std::pair<int, int> TwoNumbers(const std::string& text, size_t& end) {
    const size_t comma = text.find(',');
    const int a = StrToInt(text.substr(0, comma));
    if (comma == std::string::npos) {
        end = std::string::npos;
        return {a, StrToInt("")};
    }
    end = text.find(',', comma + 1);
    return {a, StrToInt(text.substr(comma + 1, end == std::string::npos ? end : end - comma - 1))};
}

} // namespace

bool DumpKeepsCellText(const std::string& text) {
    return text.find_first_of("\r\n\b") == std::string::npos;
}

TextLines DumpTable(const FileTable& table, const ColumnWidths& widths, const LongWork& work,
                    const std::vector<int>& leftOut) {
    const int rows = std::max(2, table.RowCount() - static_cast<int>(leftOut.size()));
    TextLines lines;
    lines.push_back(std::to_string(FileTable::ColumnCount) + "," + std::to_string(rows));
    for (int column = 0; column < FileTable::ColumnCount; ++column)
        lines.push_back("cw " + std::to_string(column) + "," + std::to_string(widths[column]));
    auto next = leftOut.begin();
    for (int row = 0, written = 0; row < table.RowCount(); ++row) {
        work.KeepGoing();
        if (next != leftOut.end() && *next == row) {
            ++next;
            continue;
        }
        for (int column = 0; column < FileTable::ColumnCount; ++column)
            if (const std::string& text = table.Cell(column, row); !text.empty())
                lines.push_back(std::to_string(column) + "," + std::to_string(written) + "," +
                                Encoded(text));
        ++written;
    }
    return lines;
}

void UndumpTable(const LinesOfText& lines, size_t first, const std::string& path, FileTable& table,
                 ColumnWidths& widths, const LongWork& work) {
    int columns = FileTable::ColumnCount;
    int rows = table.RowCount();
    if (lines.Has(first) && !lines.View(first).empty()) {
        size_t end = 0;
        std::tie(columns, rows) = TwoNumbers(lines[first], end);
    }
    // Every row past the header and the first one holds a file, so it has a cell line.
    const size_t cellLines = first < lines.size() ? lines.size() - first - 1 : 0;
    if (columns <= 0 || rows <= 0 || static_cast<size_t>(rows) > cellLines + 2)
        throw Corrupt(path);
    columns = std::min(columns, FileTable::ColumnCount);
    table.SetRowCount(std::max(rows, 2));
    for (size_t i = first + 1; lines.Has(i); ++i) {
        work.KeepGoing();
        const std::string line = lines[i];
        if (line.compare(0, 2, "cw") == 0) {
            size_t end = 0;
            const auto [column, width] = TwoNumbers(line.size() > 3 ? line.substr(3) : "", end);
            if (column >= 0 && column < columns)
                widths[static_cast<size_t>(column)] = width;
            continue;
        }
        size_t end = 0;
        const auto [column, row] = TwoNumbers(line, end);
        if (end == std::string::npos)
            throw Corrupt(path);
        if (column >= 0 && column < columns && row >= 0 && row < rows)
            table.SetCell(column, row, Decoded(line.substr(end + 1)));
    }
    // Cells without text are not written, so a dump cut short shows as a row missing some of
    // its cells: every file row holds all of them. Row 1 may be blank, as in an empty table,
    // so a one-file table cut before its row reads as an empty one.
    for (int row = 1; row < rows; ++row) {
        int holding = 0;
        for (int column = 0; column < columns; ++column)
            holding += !table.Cell(column, row).empty();
        if (holding != columns && (row > 1 || holding > 0))
            throw Corrupt(path);
    }
}

void SaveTableDump(const FileTable& table, const ColumnWidths& widths, const std::string& path) {
    try {
        WriteTextLines(path, DumpTable(table, widths));
    } catch (const EFCreateError&) {
        throw EGridError("Cannot Create " + path);
    }
}

void LoadTableDump(FileTable& table, ColumnWidths& widths, const std::string& path) {
    LinesOfText lines;
    try {
        lines = ReadLinesOfText(path, WholeFile - 1);
    } catch (const EFOpenError&) {
        throw EGridError("Cannot open file " + path);
    }
    UndumpTable(lines, 0, path, table, widths);
}

} // namespace twinsweep
