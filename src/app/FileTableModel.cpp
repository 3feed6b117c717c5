#include "FileTableModel.h"

#include <QHeaderView>
#include <QTableView>
#include <unordered_map>

namespace twinsweep {

FileTableModel::FileTableModel(FileTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table), shownRows_(table.RowCount() - 1) {}

int FileTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int FileTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FileTable::ColumnCount;
}

QVariant FileTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() + 1 >= table_.RowCount())
        return {};
    const int row = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(table_.Cell(index.column(), row));
    case Qt::TextAlignmentRole:
        return index.column() == FileTable::SizeColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case PathRole:
        return QByteArray::fromStdString(table_.FilePath(row));
    default:
        return {};
    }
}

QVariant FileTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= FileTable::ColumnCount)
        return {};
    return QString::fromStdString(table_.Cell(section, 0));
}

void FileTableModel::TableReset() {
    beginResetModel();
    shownRows_ = table_.RowCount() - 1;
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, FileTable::ColumnCount - 1);
}

void FileTableModel::RowsChangedAtBottom() {
    const int rows = table_.RowCount() - 1;
    if (rows > shownRows_) {
        beginInsertRows({}, shownRows_, rows - 1);
        shownRows_ = rows;
        endInsertRows();
    } else if (rows < shownRows_) {
        beginRemoveRows({}, rows, shownRows_ - 1);
        shownRows_ = rows;
        endRemoveRows();
    }
    // Row 1 changes in place when the first file arrives or the last one goes.
    emit dataChanged(index(0, 0), index(0, FileTable::ColumnCount - 1));
}

void FitTableColumns(QTableView* view, const FileTable& table) {
    const QFontMetrics cells(view->font());
    const QFontMetrics header(view->horizontalHeader()->font());
    const int gridLine = view->showGrid() ? 1 : 0;
    // Folders, names and dates repeat a lot; each text is measured once.
    std::unordered_map<std::string, int> widths;
    for (int column = 0; column < FileTable::ColumnCount; ++column) {
        int widest = header.horizontalAdvance(QString::fromStdString(table.Cell(column, 0)));
        for (int row = 1; row < table.RowCount(); ++row) {
            const std::string& text = table.Cell(column, row);
            auto [width, added] = widths.try_emplace(text, 0);
            if (added)
                width->second = cells.horizontalAdvance(QString::fromStdString(text));
            widest = std::max(widest, width->second);
        }
        view->setColumnWidth(column, widest + 2 * gridLine + 4 + 10);
    }
}

} // namespace twinsweep
