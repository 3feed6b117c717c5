#pragma once
// Shows the file table in SG1: row 0 of the table is the fixed header, the other rows are
// the view's rows. Cells are produced on demand, never stored as items.
#include <QAbstractTableModel>

#include "FileTable.h"

class QTableView;

namespace twinsweep {

class FileTableModel : public QAbstractTableModel {
public:
    explicit FileTableModel(const FileTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The table changed as a whole (reset, sort, load).
    void TableReset();
    // Rows were added or removed at the bottom (or row 1 was filled or blanked).
    void RowsChangedAtBottom();
    // The headings and the dates are written anew (another language).
    void TextsChanged();

    // The path of a row's file as bytes, for acting on it.
    static constexpr int PathRole = Qt::UserRole + 1;

private:
    const FileTable& table_;
    int shownRows_;
};

// Each column of the view as wide as its widest text, the header's included; of a long
// column only the longest texts are measured.
void FitTableColumns(QTableView* view, const FileTable& table);

} // namespace twinsweep
