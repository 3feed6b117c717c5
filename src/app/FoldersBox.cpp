#include "FoldersBox.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "CommandRoute.h"
#include "NamedWidgets.h"

namespace twinsweep {

namespace {

constexpr int PathColumn = 0, ProtectedColumn = 1;
constexpr int BytesRole = Qt::UserRole + 1;

} // namespace

FoldersBox::FoldersBox(QWidget* parent) : QGroupBox(parent) {
    setObjectName("MoreFolders");
    auto* grid = new QGridLayout(this);
    FolderList = Named(new QTreeWidget(this), "FolderList");
    FolderList->setColumnCount(2);
    FolderList->setRootIsDecorated(false);
    FolderList->setHeaderLabels({"Folder", "Protected"});
    FolderList->header()->setStretchLastSection(false);
    FolderList->header()->setSectionResizeMode(PathColumn, QHeaderView::Stretch);
    FolderList->header()->setSectionResizeMode(ProtectedColumn, QHeaderView::ResizeToContents);
    FolderList->setMaximumHeight(110);
    AddFolder = Named(new QPushButton(this), "AddFolder");
    RemoveFolder = Named(new QPushButton(this), "RemoveFolder");
    ExcludeList = Named(new QPlainTextEdit(this), "ExcludeList");
    ExcludeList->setMaximumHeight(110);
    ExcludeList->setTabChangesFocus(true);
    grid->addWidget(FolderList, 0, 0, 3, 1);
    grid->addWidget(AddFolder, 0, 1);
    grid->addWidget(RemoveFolder, 1, 1);
    grid->addWidget(NamedLabel("Label12", this), 0, 2);
    grid->addWidget(ExcludeList, 1, 2, 2, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(2, 2);
}

void FoldersBox::Connect(CommandRoute& route,
                         std::function<std::optional<std::string>(const std::string&)> choose) {
    route.Connect(AddFolder, [this, choose = std::move(choose)] {
        const QTreeWidgetItem* current = FolderList->currentItem();
        const std::string start =
            current ? current->data(PathColumn, BytesRole).toByteArray().toStdString() : "";
        if (const auto folder = choose(start))
            Add({*folder, FolderRole::Searched});
    });
    route.Connect(RemoveFolder, [this] { RemoveCurrent(); });
}

void FoldersBox::Add(const SearchFolder& folder) {
    auto* item = new QTreeWidgetItem(FolderList);
    const QByteArray bytes = QByteArray::fromStdString(folder.path);
    item->setText(PathColumn, QString::fromUtf8(bytes));
    item->setData(PathColumn, BytesRole, bytes);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(ProtectedColumn,
                        folder.role == FolderRole::Protected ? Qt::Checked : Qt::Unchecked);
    FolderList->setCurrentItem(item);
}

void FoldersBox::RemoveCurrent() { delete FolderList->currentItem(); }

std::vector<SearchFolder> FoldersBox::Folders() const {
    std::vector<SearchFolder> folders;
    for (int i = 0; i < FolderList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = FolderList->topLevelItem(i);
        folders.push_back({item->data(PathColumn, BytesRole).toByteArray().toStdString(),
                           item->checkState(ProtectedColumn) == Qt::Checked
                               ? FolderRole::Protected
                               : FolderRole::Searched});
    }
    return folders;
}

TextLines FoldersBox::Exclusions() const {
    TextLines patterns;
    for (const QString& line : ExcludeList->toPlainText().split('\n'))
        if (!line.trimmed().isEmpty())
            patterns.push_back(line.toStdString());
    return patterns;
}

void FoldersBox::Write(const std::vector<SearchFolder>& folders, const TextLines& exclusions) {
    FolderList->clear();
    for (const SearchFolder& folder : folders)
        Add(folder);
    QStringList lines;
    for (const std::string& pattern : exclusions)
        lines << QString::fromStdString(pattern);
    ExcludeList->setPlainText(lines.join('\n'));
}

} // namespace twinsweep
