#include "TextListModel.h"

namespace twinsweep {

TextListModel::TextListModel(TextLines& lines, QObject* parent)
    : QAbstractListModel(parent), lines_(lines), shown_(static_cast<int>(lines.size())) {}

int TextListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

QVariant TextListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(lines_.size()) || index.row() >= shown_)
        return {};
    const std::string& line = lines_[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return QString::fromStdString(line);
    if (role == PathRole)
        return QByteArray::fromStdString(line);
    return {};
}

void TextListModel::LinesReset() {
    beginResetModel();
    shown_ = static_cast<int>(lines_.size());
    endResetModel();
}

void TextListModel::LinesAppended() {
    const int count = static_cast<int>(lines_.size());
    if (count <= shown_)
        return;
    beginInsertRows({}, shown_, count - 1);
    shown_ = count;
    endInsertRows();
}

} // namespace twinsweep
