#pragma once
// The page of the results: the file table with its counter, and beside it the references
// and the duplicates with theirs. The main window fills and connects them.
#include <QWidget>

#include "TableDump.h"

class QListView;
class QTimer;
class QSplitter;
class QTableView;

namespace twinsweep {

class FileTableModel;
class FileTable;
class TZarvoLiquidIndicator;

// The page's parts, named as the string table knows them.
struct ResultsWidgets {
    QSplitter* Splitter2 = nullptr;
    QTableView* SG1 = nullptr;
    TZarvoLiquidIndicator* Ld1 = nullptr; // the files in the table
    QListView* LBB1 = nullptr;
    TZarvoLiquidIndicator* Ld3 = nullptr; // the references
    QListView* LBB2 = nullptr;
    TZarvoLiquidIndicator* Ld4 = nullptr; // the duplicates
};

class ResultsPage : public QWidget, public ResultsWidgets {
public:
    // SG1 shows `table`.
    explicit ResultsPage(const FileTable& table, QWidget* parent = nullptr);

    // The table again with its file count in Ld1: all of it, or only the rows changed at
    // its bottom (while a search adds rows or a scan takes them away).
    void ShowTable();
    void ShowTableBottom();
    // A file was added: the table and Ld1 follow a moment later, once for many files.
    void FileAdded();
    // The columns as wide as their texts, or as given.
    void FitColumns();
    ColumnWidths Widths() const;
    void SetWidths(const ColumnWidths& widths);
    // The language changed: the headings again.
    void TableTextsChanged();

private:
    const FileTable& table_;
    FileTableModel* model_;
    QTimer* refresh_;
};

} // namespace twinsweep
