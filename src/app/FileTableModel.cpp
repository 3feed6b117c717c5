#include "FileTableModel.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>
#include <unordered_set>

namespace twinsweep {

FileTableModel::FileTableModel(const FileTable& table, QObject* parent)
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

void FileTableModel::TextsChanged() {
    emit headerDataChanged(Qt::Horizontal, 0, FileTable::ColumnCount - 1);
    if (shownRows_ > 0)
        emit dataChanged(index(0, FileTable::DateColumn),
                         index(shownRows_ - 1, FileTable::DateColumn), {Qt::DisplayRole});
}

void FitTableColumns(QTableView* view, const FileTable& table) {
    const QFontMetrics cells(view->font());
    const QFontMetrics header(view->horizontalHeader()->font());
    const int gridLine = view->showGrid() ? 1 : 0;
    // Measuring every text of a million rows would take seconds: the longest texts of a
    // column are the widest, so only the longest few thousand, each once, are measured.
    constexpr size_t Measured = 2000;
    for (int column = 0; column < FileTable::ColumnCount; ++column) {
        int widest = header.horizontalAdvance(QString::fromStdString(table.Cell(column, 0)));
        std::vector<std::pair<size_t, int>> lengths; // byte length, row
        lengths.reserve(static_cast<size_t>(table.RowCount()));
        for (int row = 1; row < table.RowCount(); ++row)
            lengths.emplace_back(table.Cell(column, row).size(), row);
        const auto longest =
            lengths.begin() + static_cast<std::ptrdiff_t>(std::min(Measured, lengths.size()));
        std::nth_element(lengths.begin(), longest, lengths.end(), std::greater<>());
        std::unordered_set<std::string> measured;
        for (auto it = lengths.begin(); it != longest; ++it)
            if (std::string text = table.Cell(column, it->second); measured.insert(text).second)
                widest = std::max(widest, cells.horizontalAdvance(QString::fromStdString(text)));
        view->setColumnWidth(column, widest + 2 * gridLine + 4 + 10);
    }
}

} // namespace twinsweep
