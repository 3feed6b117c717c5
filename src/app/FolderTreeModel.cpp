#include "FolderTreeModel.h"

#include <QApplication>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "Paths.h"
#include "Subfolders.h"

namespace twinsweep {

struct FolderTreeModel::Node {
    std::string name; // as the file system gives it
    std::string path;
    Node* parent = nullptr;
    int row = 0;
    bool listed = false;
    std::vector<std::unique_ptr<Node>> children;

    void Add(const std::string& childName, const std::string& childPath) {
        children.push_back(std::make_unique<Node>(
            Node{childName, childPath, this, static_cast<int>(children.size()), false, {}}));
    }
};

FolderTreeModel::FolderTreeModel(QObject* parent)
    : QAbstractItemModel(parent), root_(std::make_unique<Node>()) {
    root_->listed = true;
    root_->Add("/", "/");
}

FolderTreeModel::~FolderTreeModel() = default;

FolderTreeModel::Node* FolderTreeModel::NodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : root_.get();
}

QModelIndex FolderTreeModel::IndexOf(const std::string& folder) {
    QModelIndex at = index(0, 0);
    size_t start = 0;
    while (start < folder.size()) {
        const size_t stop = std::min(folder.find(PathDelim, start), folder.size());
        const std::string name = folder.substr(start, stop - start);
        start = stop + 1;
        if (name.empty())
            continue;
        fetchMore(at);
        const auto& children = NodeOf(at)->children;
        const auto child = std::find_if(children.begin(), children.end(),
                                        [&](const auto& node) { return node->name == name; });
        if (child == children.end())
            break;
        at = createIndex((*child)->row, 0, child->get());
    }
    return at;
}

std::string FolderTreeModel::Path(const QModelIndex& index) const {
    return index.isValid() ? NodeOf(index)->path : std::string();
}

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const Node* node = NodeOf(parent);
    if (column != 0 || row < 0 || row >= static_cast<int>(node->children.size()))
        return {};
    return createIndex(row, 0, node->children[static_cast<size_t>(row)].get());
}

QModelIndex FolderTreeModel::parent(const QModelIndex& child) const {
    const Node* node = NodeOf(child);
    if (!child.isValid() || node->parent == root_.get())
        return {};
    return createIndex(node->parent->row, 0, node->parent);
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const {
    return parent.column() > 0 ? 0 : static_cast<int>(NodeOf(parent)->children.size());
}

int FolderTreeModel::columnCount(const QModelIndex&) const { return 1; }

QVariant FolderTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Node* node = NodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(node->name);
    case Qt::DecorationRole:
        return QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    case PathRole:
        return QByteArray::fromStdString(node->path);
    default:
        return {};
    }
}

bool FolderTreeModel::hasChildren(const QModelIndex& parent) const {
    const Node* node = NodeOf(parent);
    return !node->listed || !node->children.empty(); // unknown until listed
}

bool FolderTreeModel::canFetchMore(const QModelIndex& parent) const {
    return !NodeOf(parent)->listed;
}

void FolderTreeModel::fetchMore(const QModelIndex& parent) {
    Node* node = NodeOf(parent);
    if (node->listed)
        return;
    node->listed = true;
    std::vector<std::string> names = SubfolderNames(node->path);
    if (names.empty())
        return;
    // Sorted as shown, ignoring case; names that show alike by their bytes.
    std::vector<std::pair<QString, std::string>> sorted;
    for (std::string& name : names)
        sorted.emplace_back(QString::fromStdString(name), std::move(name));
    std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
        const int order = a.first.compare(b.first, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    beginInsertRows(parent, 0, static_cast<int>(sorted.size()) - 1);
    for (const auto& entry : sorted)
        node->Add(entry.second, IncludeTrailingPathDelimiter(node->path) + entry.second);
    endInsertRows();
}

} // namespace twinsweep
