#pragma once
// Shows a list of byte-string lines (file paths) in a list view; the bytes stay available
// under PathRole for acting on an entry.
#include <QAbstractListModel>

#include "TextLines.h"

namespace twinsweep {

class TextListModel : public QAbstractListModel {
public:
    explicit TextListModel(TextLines& lines, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The lines changed in any way.
    void LinesReset();
    // Lines were added at the end.
    void LinesAppended();

    static constexpr int PathRole = Qt::UserRole + 1;

private:
    TextLines& lines_;
    int shown_ = 0;
};

} // namespace twinsweep
