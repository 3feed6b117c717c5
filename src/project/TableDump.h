#pragma once
// The file table's dump: the whole table, header row included, as lines of its own format.
//   "C,R"          the column count and the row count
//   "cw I,W"       one per column: column I is W pixels wide
//   "C,R,TEXT"     one per cell that holds text, row after row, column after column
// A cell text holding CR is written with every CR as TAB and every LF as BS; a text read
// back holding BS gets every TAB back as CR and every BS as LF.
#include <array>
#include <string>

#include "Errors.h"
#include "FileTable.h"
#include "LongWork.h"
#include "TextLines.h"

namespace twinsweep {

// The dump's own errors: "Cannot Create ", "Cannot open file ", "File contains no data or
// corrupt file ", each followed by the path.
class EGridError : public Exception {
    using Exception::Exception;
};

using ColumnWidths = std::array<int, FileTable::ColumnCount>;
// The width of a column nobody has fitted yet.
inline constexpr int DefaultColumnWidth = 64;
inline constexpr ColumnWidths DefaultColumnWidths{DefaultColumnWidth, DefaultColumnWidth,
                                                  DefaultColumnWidth, DefaultColumnWidth};

// Whether a cell text reads back as it was written.
bool DumpKeepsCellText(const std::string& text);

// The rows `leftOut` names (ascending, never 0) are not written; the rows after them are
// numbered on from the last one written.
TextLines DumpTable(const FileTable& table, const ColumnWidths& widths, const LongWork& work = {},
                    const std::vector<int>& leftOut = {});

// Reads dump lines [first, end) into the table, which keeps what the dump does not say;
// `path` names the dump in errors. Raises EGridError "File contains no data or corrupt
// file " when the table would have no columns or no rows, or more rows than the dump could
// describe, or a cell line lacks its text, or a row holds text in some of the dump's
// columns but not all (every file row fills them all; row 1 alone may be blank); EConvertError
// for a number that is none.
void UndumpTable(const LinesOfText& lines, size_t first, const std::string& path, FileTable& table,
                 ColumnWidths& widths, const LongWork& work = {});

// The dump in a file of its own.
void SaveTableDump(const FileTable& table, const ColumnWidths& widths, const std::string& path);
void LoadTableDump(FileTable& table, ColumnWidths& widths, const std::string& path);

} // namespace twinsweep
