#pragma once
// Shows a result list of paths in a list view, row by row as the view asks for them; the
// bytes stay available under PathRole for acting on an entry.
#include <QAbstractListModel>
#include <functional>

#include "PathList.h"

namespace twinsweep {

class PathListModel : public QAbstractListModel {
public:
    explicit PathListModel(const PathList& lines, QObject* parent = nullptr);

    // Without the base's checks through the virtual rowCount and columnCount: views ask
    // for every row when they lay them out.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The lines changed in any way.
    void LinesReset();
    // Lines were added at the end.
    void LinesAppended();

    static constexpr int PathRole = Qt::UserRole + 1;

    // Entries it picks show the protected mark, and `protectedText` in their tool tip; the
    // others a blank of its size, to stay aligned, while `marksShown` says so.
    std::function<bool(std::string_view path)> isProtected;
    std::function<bool()> marksShown;
    std::function<QString()> protectedText;

private:
    const PathList& lines_;
    int shown_ = 0;
};

} // namespace twinsweep
