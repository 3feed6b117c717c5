#include "SetsPage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "NamedWidgets.h"

namespace twinsweep {

SetsPage::SetsPage(QWidget* parent) : QWidget(parent) {
    setObjectName("TB3");
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    auto* acts = new QHBoxLayout;
    auto button = [&](QPushButton*& made, const char* name, const char* text,
                      QHBoxLayout* row = nullptr) {
        made = Named(new QPushButton(text, this), name);
        (row ? row : buttons)->addWidget(made);
    };
    button(KeepNewest, "KeepNewest", "Keep newest");
    button(KeepOldest, "KeepOldest", "Keep oldest");
    button(KeepShortest, "KeepShortest", "Keep shortest path");
    button(KeepInFolder, "KeepInFolder", "Keep the one in a folder…");
    button(ClearMarks, "ClearMarks", "Clear marks");
    buttons->addStretch(1);
    AllSets = Named(new QCheckBox("Also sets of protected files only", this), "AllSets");
    buttons->addWidget(AllSets);
    layout->addLayout(buttons);
    // What to do with the marked files, below the ways of marking them.
    button(TrashMarked, "TrashMarked", "Move marked files to the trash", acts);
    button(CloneMarked, "CloneMarked", "Replace marked files with clones of the kept copy", acts);
    button(LinkMarked, "LinkMarked", "Replace marked files with hard links to the kept copy", acts);
    acts->addStretch(1);
    layout->addLayout(acts);

    SetsTree = Named(new QTreeView(this), "SetsTree");
    SetsTree->setUniformRowHeights(true);
    SetsTree->setAlternatingRowColors(true);
    SetsTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SetsTree->setContextMenuPolicy(Qt::CustomContextMenu);
    SetsTree->header()->setSortIndicator(0, Qt::AscendingOrder);
    SetsTree->setSortingEnabled(true);
    layout->addWidget(SetsTree, 1);

    SetsTotal = NamedLabel("SetsTotal", this);
    layout->addWidget(SetsTotal);

    PopupMenu2 = Named(new QMenu(this), "PopupMenu2");
    SetsOpen1 = Named(PopupMenu2->addAction("Open"), "SetsOpen1");
    SetsOpenFolder1 = Named(PopupMenu2->addAction("Open containing folder"), "SetsOpenFolder1");
}

void SetsPage::SetModel(QAbstractItemModel* model) {
    SetsTree->setModel(model);
    const int widths[] = {300, 380, 90, 60, 110};
    for (int column = 0; column < static_cast<int>(std::size(widths)); ++column)
        SetsTree->header()->resizeSection(column, widths[column]);
}

} // namespace twinsweep
