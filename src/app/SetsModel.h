#pragma once
// The sets of identical files as a two-level model: one row per set, its files below it
// with a check box for the trash mark. Set rows sort by size, file count and space to free;
// the files of a set keep their order.
#include <QAbstractItemModel>
#include <functional>
#include <memory>

#include "DuplicateSets.h"

namespace twinsweep {

class TStringTable;

class SetsModel : public QAbstractItemModel {
public:
    enum Column { NameColumn, FolderColumn, SizeColumn, FilesColumn, FreeColumn, DateColumn };
    static constexpr int ColumnCount = 6;

    // Headings and the set rows' texts come from `texts` ("IDS_40" onwards) when asked for,
    // so they follow the active language.
    SetsModel(const TStringTable& texts, QObject* parent);

    // Shows `sets`, whose members are numbers in `paths`; the sets stay where they are and
    // are shown until the next Reset. Their marks change only through markRequested or
    // before MarksChanged.
    void Reset(const std::vector<DuplicateSet>& sets, std::shared_ptr<PathStore> paths);
    const std::vector<DuplicateSet>& Sets() const { return *sets_; }
    const PathStore& Paths() const { return *paths_; }
    // The marks of Sets() were changed from outside.
    void MarksChanged();
    // The texts' language changed: headings, names, sizes and dates are shown anew.
    void TextsChanged();

    // A check box clicked: the act decides and changes the mark; false when it refused.
    std::function<bool(size_t set, size_t member, bool marked)> markRequested;
    // The marked files and bytes were counted again.
    std::function<void()> marksCounted;

    // Where a file row's member lives, or false for a set row or no row.
    bool MemberAt(const QModelIndex& index, size_t& set, size_t& member) const;
    QModelIndex SetRowOf(size_t set) const;

    size_t MarkedFiles() const { return markedFiles_; }
    int64_t MarkedBytes() const { return markedBytesTotal_; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    QVariant SetData(size_t set, int column, int role) const;
    QVariant MemberData(size_t set, size_t member, int column, int role) const;
    void CountMarks();
    void SetMarkedChanged(size_t set);

    const TStringTable& texts_;
    static inline const std::vector<DuplicateSet> none_;
    const std::vector<DuplicateSet>* sets_ = &none_;
    std::shared_ptr<PathStore> paths_ = std::make_shared<PathStore>();
    std::vector<uint32_t> order_;      // the sets in the rows' order
    std::vector<uint32_t> rowOfSet_;   // and back
    std::vector<int64_t> markedBytes_; // of each set
    int64_t markedBytesTotal_ = 0;
    size_t markedFiles_ = 0;
};

} // namespace twinsweep
