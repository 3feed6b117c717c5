#include "PathListModel.h"

#include "ProtectedMark.h"

namespace twinsweep {

PathListModel::PathListModel(const PathList& lines, QObject* parent)
    : QAbstractListModel(parent), lines_(lines), shown_(static_cast<int>(lines.size())) {}

QModelIndex PathListModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || row >= shown_ || column != 0 || parent.isValid())
        return {};
    return createIndex(row, 0);
}

int PathListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

QVariant PathListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(lines_.size()) || index.row() >= shown_)
        return {};
    const std::string_view line = lines_[static_cast<size_t>(index.row())];
    const QString text = role == Qt::DisplayRole || role == Qt::ToolTipRole
                             ? QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()))
                             : QString();
    const auto guarded = [&] { return isProtected && isProtected(line); };
    if (role == Qt::DisplayRole)
        return text;
    if (role == Qt::ToolTipRole)
        return guarded() && protectedText ? text + "\n" + protectedText() : text;
    if (role == Qt::DecorationRole && marksShown && marksShown())
        return guarded() ? ProtectedIcon() : NoMarkIcon();
    if (role == PathRole)
        return QByteArray(line.data(), static_cast<qsizetype>(line.size()));
    return {};
}

void PathListModel::LinesReset() {
    beginResetModel();
    shown_ = static_cast<int>(lines_.size());
    endResetModel();
}

void PathListModel::LinesAppended() {
    const int count = static_cast<int>(lines_.size());
    if (count <= shown_)
        return;
    beginInsertRows({}, shown_, count - 1);
    shown_ = count;
    endInsertRows();
}

} // namespace twinsweep
