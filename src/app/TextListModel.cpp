#include "TextListModel.h"

namespace twinsweep {

TextListModel::TextListModel(TextLines& lines, QObject* parent)
    : QAbstractListModel(parent), lines_(lines) {}

int TextListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant TextListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(lines_.size()))
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
    endResetModel();
}

} // namespace twinsweep
