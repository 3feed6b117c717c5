#include "SetsModel.h"

#include <QBrush>
#include <QDateTime>
#include <QPalette>
#include <algorithm>
#include <numeric>

#include "ByteSizeText.h"
#include "Errors.h"
#include "ProtectedMark.h"
#include "StringTable.h"

namespace twinsweep {

namespace {

std::string_view NameOf(std::string_view path) { return path.substr(path.rfind('/') + 1); }
std::string_view FolderOf(std::string_view path) { return path.substr(0, path.rfind('/') + 1); }

// A file row carries its set in its internal id, spread over the id's bits: views keep
// indexes in hash tables that take the id's low bits as they are. Multiplying by an odd
// number is undone by multiplying by its inverse.
constexpr quintptr Spread = 0x9E3779B97F4A7C15ull;
constexpr quintptr Gather = [] {
    quintptr inverse = Spread; // Newton's iteration doubles the correct low bits each time
    for (int i = 0; i < 6; ++i)
        inverse *= 2 - Spread * inverse;
    return inverse;
}();
static_assert(Spread * Gather == 1);

quintptr IdOfSet(size_t set) { return (quintptr{set} + 1) * Spread; }
size_t SetOfId(quintptr id) { return static_cast<size_t>(id * Gather) - 1; }

QString Text(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

SetsModel::SetsModel(const TStringTable& texts, QObject* parent)
    : QAbstractItemModel(parent), texts_(texts) {}

void SetsModel::Reset(const std::vector<DuplicateSet>& sets, std::shared_ptr<PathStore> paths) {
    beginResetModel();
    sets_ = &sets;
    paths_ = std::move(paths);
    order_.resize(sets_->size());
    std::iota(order_.begin(), order_.end(), 0u);
    rowOfSet_ = order_;
    CountMarks();
    endResetModel();
}

void SetsModel::CountMarks() {
    markedBytes_.resize(sets_->size());
    markedBytesTotal_ = 0;
    markedFiles_ = 0;
    for (size_t s = 0; s < sets_->size(); ++s) {
        markedBytes_[s] = twinsweep::MarkedBytes((*sets_)[s]);
        markedBytesTotal_ += markedBytes_[s];
        markedFiles_ += static_cast<size_t>(std::count_if((*sets_)[s].members.begin(),
                                                          (*sets_)[s].members.end(),
                                                          [](auto& m) { return m.marked; }));
    }
    if (marksCounted)
        marksCounted();
}

void SetsModel::MarksChanged() {
    // One signal for all the check boxes: a change per set costs a view dearly on many sets.
    emit layoutAboutToBeChanged();
    CountMarks();
    emit layoutChanged();
}

void SetsModel::TextsChanged() {
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    // Every row's texts are made when asked for: one relayout asks for them all again.
    emit layoutAboutToBeChanged();
    emit layoutChanged();
}

void SetsModel::SetMarkedChanged(size_t set) {
    const int64_t bytes = twinsweep::MarkedBytes((*sets_)[set]);
    markedBytesTotal_ += bytes - markedBytes_[set];
    markedBytes_[set] = bytes;
}

bool SetsModel::MemberAt(const QModelIndex& index, size_t& set, size_t& member) const {
    if (!index.isValid() || index.internalId() == 0)
        return false;
    set = SetOfId(index.internalId());
    member = static_cast<size_t>(index.row());
    return true;
}

QModelIndex SetsModel::SetRowOf(size_t set) const {
    return createIndex(static_cast<int>(rowOfSet_[set]), 0, quintptr{0});
}

QModelIndex SetsModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, column, quintptr{0});
    return createIndex(row, column, IdOfSet(order_[static_cast<size_t>(parent.row())]));
}

QModelIndex SetsModel::parent(const QModelIndex& index) const {
    if (!index.isValid() || index.internalId() == 0)
        return {};
    return SetRowOf(SetOfId(index.internalId()));
}

int SetsModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return static_cast<int>(sets_->size());
    if (parent.internalId() != 0 || parent.column() != 0)
        return 0;
    return static_cast<int>((*sets_)[order_[static_cast<size_t>(parent.row())]].members.size());
}

int SetsModel::columnCount(const QModelIndex&) const { return ColumnCount; }

QVariant SetsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    size_t set = 0, member = 0;
    if (MemberAt(index, set, member))
        return MemberData(set, member, index.column(), role);
    return SetData(order_[static_cast<size_t>(index.row())], index.column(), role);
}

QVariant SetsModel::SetData(size_t s, int column, int role) const {
    const DuplicateSet& set = (*sets_)[s];
    if (role == Qt::TextAlignmentRole && column != NameColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (column) {
    case NameColumn:
        return QString::fromStdString(FormatMessage(
            texts_.GetKeyText("IDS_44"),
            {std::to_string(s + 1), std::string(NameOf((*paths_)[set.members[0].path]))}));
    case SizeColumn:
        return ByteSizeText(set.size);
    case FilesColumn:
        return QString::number(set.members.size());
    case FreeColumn:
        return ByteSizeText(set.freeable);
    default:
        return {};
    }
}

QVariant SetsModel::MemberData(size_t s, size_t m, int column, int role) const {
    const SetMember& member = (*sets_)[s].members[m];
    const std::string_view path = (*paths_)[member.path];
    if (role == Qt::CheckStateRole && column == NameColumn)
        return member.marked ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::DecorationRole && column == NameColumn && member.isProtected)
        return ProtectedIcon();
    if (role == Qt::ToolTipRole)
        return member.isProtected
                   ? Text(path) + "\n" + QString::fromStdString(texts_.GetKeyText("IDS_71"))
                   : Text(path);
    if (role == Qt::ForegroundRole && !member.facts.exists)
        return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
    if (role == Qt::TextAlignmentRole && column == SizeColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (column) {
    case NameColumn:
        return Text(NameOf(path));
    case FolderColumn:
        return Text(FolderOf(path));
    case SizeColumn:
        return ByteSizeText((*sets_)[s].size);
    case DateColumn:
        if (!member.facts.exists)
            return {};
        return LanguageLocale().toString(
            QDateTime::fromMSecsSinceEpoch(member.facts.modified / 1'000'000),
            QLocale::ShortFormat);
    default:
        return {};
    }
}

bool SetsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    size_t set = 0, member = 0;
    if (role != Qt::CheckStateRole || !MemberAt(index, set, member) || !markRequested)
        return false;
    const bool wasMarked = (*sets_)[set].members[member].marked;
    if (!markRequested(set, member, value.toInt() == Qt::Checked))
        return false;
    const bool marked = (*sets_)[set].members[member].marked;
    if (marked != wasMarked) {
        markedFiles_ = marked ? markedFiles_ + 1 : markedFiles_ - 1;
        SetMarkedChanged(set);
        if (marksCounted)
            marksCounted();
    }
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags SetsModel::flags(const QModelIndex& index) const {
    size_t set = 0, member = 0;
    const Qt::ItemFlags flags = QAbstractItemModel::flags(index);
    if (MemberAt(index, set, member) && index.column() == NameColumn &&
        !(*sets_)[set].members[member].isProtected)
        return flags | Qt::ItemIsUserCheckable;
    return flags;
}

QVariant SetsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const keys[ColumnCount] = {"IDS_40", "IDS_1",  "IDS_2",
                                                  "IDS_41", "IDS_42", "IDS_43"};
    return QString::fromStdString(texts_.GetKeyText(keys[section]));
}

void SetsModel::sort(int column, Qt::SortOrder order) {
    auto key = [this, column](uint32_t s) -> int64_t {
        switch (column) {
        case SizeColumn:
            return (*sets_)[s].size;
        case FilesColumn:
            return static_cast<int64_t>((*sets_)[s].members.size());
        case FreeColumn:
            return (*sets_)[s].freeable;
        default:
            return s; // the sets' own order
        }
    };
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<size_t> setsBefore;
    for (const QModelIndex& index : before)
        setsBefore.push_back(index.internalId() == 0 ? order_[static_cast<size_t>(index.row())]
                                                     : SIZE_MAX);
    std::stable_sort(order_.begin(), order_.end(), [&](uint32_t a, uint32_t b) {
        return order == Qt::AscendingOrder ? key(a) < key(b) : key(b) < key(a);
    });
    for (size_t row = 0; row < order_.size(); ++row)
        rowOfSet_[order_[row]] = static_cast<uint32_t>(row);
    // File rows keep their rows; set rows move with their sets.
    for (qsizetype i = 0; i < before.size(); ++i)
        if (setsBefore[static_cast<size_t>(i)] != SIZE_MAX)
            changePersistentIndex(
                before[i],
                createIndex(static_cast<int>(rowOfSet_[setsBefore[static_cast<size_t>(i)]]),
                            before[i].column(), quintptr{0}));
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace twinsweep
