#pragma once
// The page of the sets of identical files: the keep-one buttons, the buttons that act on the
// marked files, the sets with their files, and the totals below. The main window connects the
// buttons and fills the tree.
#include <QWidget>

class QLabel;
class QMenu;
class QAbstractItemModel;
class QAction;
class QCheckBox;
class QPushButton;
class QTreeView;

namespace twinsweep {

class SetsPage : public QWidget {
public:
    explicit SetsPage(QWidget* parent = nullptr);
    // Shows `model` in the tree, its columns at their first widths.
    void SetModel(QAbstractItemModel* model);

    QPushButton* KeepNewest = nullptr;
    QPushButton* KeepOldest = nullptr;
    QPushButton* KeepShortest = nullptr;
    QPushButton* KeepInFolder = nullptr;
    QPushButton* ClearMarks = nullptr;
    QPushButton* TrashMarked = nullptr;
    QPushButton* CloneMarked = nullptr; // replace the marked files with clones of a kept copy
    QPushButton* LinkMarked = nullptr;  // … with hard links to it
    QCheckBox* AllSets = nullptr;       // also the sets made of protected files only
    QTreeView* SetsTree = nullptr;
    QLabel* SetsTotal = nullptr;
    QMenu* PopupMenu2 = nullptr; // on the files of the tree
    QAction* SetsOpen1 = nullptr;
    QAction* SetsOpenFolder1 = nullptr;
};

} // namespace twinsweep
