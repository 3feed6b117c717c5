#pragma once
// The file system's folders as a tree over the bytes of their names; a folder is listed
// when it is first opened.
#include <QAbstractItemModel>
#include <memory>
#include <string>

namespace twinsweep {

class FolderTreeModel : public QAbstractItemModel {
public:
    static constexpr int PathRole = Qt::UserRole + 1; // the folder's path (QByteArray)

    explicit FolderTreeModel(QObject* parent = nullptr);
    ~FolderTreeModel() override;

    // The node of `folder` (absolute), listing the folders on the way there; the nearest
    // node above it when it is not in the tree.
    QModelIndex IndexOf(const std::string& folder);
    // The path of a node, as bytes.
    std::string Path(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    struct Node;
    Node* NodeOf(const QModelIndex& index) const;

    std::unique_ptr<Node> root_; // not shown; its one child is "/"
};

} // namespace twinsweep
