// The main window's duplicate scan and the commands on its result lists.
#include <QAbstractItemView>
#include <QListView>
#include <QMessageBox>

#include "DuplicateScan.h"
#include "FileTableModel.h"
#include "Globals.h"
#include "Host.h"
#include "LanguageTexts.h"
#include "MessagePacer.h"
#include "Shell.h"
#include "ShellAccess.h"
#include "StandIns.h"
#include "TextListModel.h"
#include "Unit1.h"
#include "Unit3.h"

namespace twinsweep {

void TForm1::BT2Click() {
    if (Table.Cell(FileTable::NameColumn, 1).empty()) {
        BT1Click();
        return;
    }
    ScanStarted = false;
    form3_->exec();
    const size_t n = Lists.LBB2.size();
    const std::string text = n == 0   ? StringTable1.GetKeyText("IDS_11")
                             : n == 1 ? StringTable1.GetKeyText("IDS_13")
                                      : std::to_string(n) + StringTable1.GetKeyText("IDS_15");
    QMessageBox::information(this, QString::fromStdString(StringTable1.GetKeyText("IDS_12")),
                             QString::fromStdString(text));
    if (Lists.LBB1.empty())
        return;
    try {
        Lists.current1 = 0;
        ShowCurrentReference();
        LBB1Click();
    } catch (...) {
        // Selecting the first group is a courtesy; a failure there is not reported.
    }
}

bool TForm1::RunScan() {
    // The lists, the table and the counters are shown again each time messages are
    // processed, so that a long scan spends its time comparing, not painting.
    int filesLeft = Table.FileCount();
    auto showProgress = [this, &filesLeft] {
        referencesModel_->LinesAppended();
        duplicatesModel_->LinesAppended();
        tableModel_->RowsChangedAtBottom();
        Ld1->setIndicatorstring(QString::number(Table.FileCount()));
        Ld3->setIndicatorstring(QString::number(Lists.LBB1.size()));
        Ld4->setIndicatorstring(QString::number(Lists.LBB2.size()));
        form3_->ShowFilesLeft(filesLeft);
    };
    MessagePacer pacer;
    ScanEvents events;
    events.keepGoing = [&] {
        if (pacer.Due()) {
            showProgress();
            host_.processMessages();
        }
        return !CancelRequested;
    };
    events.progress = [&](int left) { filesLeft = left; };
    const bool completed = RunDuplicateScan(Table, Lists, events);
    showProgress();
    return completed;
}

void TForm1::ScanCompleted() {
    form3_->ShowFilesLeft(0);
    Ld1->setIndicatorstring("0");
}

void TForm1::LBB1Click() {
    if (Lists.LBB1.empty())
        return;
    LBB2->hide();
    MessagePacer pacer;
    SelectGroup(Lists, [&] { if (pacer.Due()) host_.processMessages(); });
    ShowDuplicateSelection();
    LBB2->show();
    LBB2->setFocus();
}

void TForm1::LBB2Click() {
    FollowUp(Lists);
    ShowCurrentReference();
}

void TForm1::LBB1DblClick() { CurrentShellOpener()(CurrentEntry(Lists.LBB1, Lists.current1)); }

void TForm1::LBB2DblClick() { CurrentShellOpener()(CurrentEntry(Lists.LBB2, Lists.current2)); }

void TForm1::Trocar1Click() {
    SwapReferenceAndDuplicate(Lists);
    const QModelIndex reference = referencesModel_->index(Lists.current1);
    const QModelIndex duplicate = duplicatesModel_->index(Lists.current2);
    emit referencesModel_->dataChanged(reference, reference);
    emit duplicatesModel_->dataChanged(duplicate, duplicate);
}

void TForm1::BT4Click() {
    if (Lists.LBB1.empty())
        return;
    const DeleteConfirmationText confirmation = DeleteConfirmation(LanguageIndex);
    if (QMessageBox::question(this, QString::fromStdString(confirmation.title),
                              QString::fromStdString(confirmation.question),
                              QMessageBox::Yes | QMessageBox::No) == QMessageBox::No)
        return;
    MessagePacer pacer;
    DeleteSelectedDuplicates(
        Lists, [this](const std::string& path) { return DeleteFileWithUndo(path); },
        [&] { if (pacer.Due()) host_.processMessages(); });
    ShowLists();
    Ld4->setIndicatorstring(QString::number(Lists.LBB2.size()));
    Ld3->setIndicatorstring(QString::number(Lists.LBB1.size()));
}

bool TForm1::DeleteFileWithUndo(const std::string& path) { return MoveToTrash(path); }

void TForm1::ShowLists() {
    const QSignalBlocker blockReferences(LBB1->selectionModel());
    const QSignalBlocker blockDuplicates(LBB2->selectionModel());
    referencesModel_->LinesReset();
    duplicatesModel_->LinesReset();
    ShowCurrentReference();
    ShowDuplicateSelection();
}

void TForm1::ShowCurrentReference() {
    const QSignalBlocker block(LBB1->selectionModel());
    if (Lists.current1 < 0) {
        LBB1->selectionModel()->clear();
        return;
    }
    const QModelIndex current = referencesModel_->index(Lists.current1);
    LBB1->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
    LBB1->scrollTo(current);
}

void TForm1::ShowDuplicateSelection() {
    const QSignalBlocker block(LBB2->selectionModel());
    QItemSelection selection;
    const int count = static_cast<int>(Lists.LBB2.size());
    for (int first = 0; first < count;) {
        if (!Lists.IsSelected(static_cast<size_t>(first))) {
            ++first;
            continue;
        }
        int last = first;
        while (last + 1 < count && Lists.IsSelected(static_cast<size_t>(last + 1)))
            ++last;
        selection.select(duplicatesModel_->index(first), duplicatesModel_->index(last));
        first = last + 1;
    }
    LBB2->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!selection.isEmpty())
        LBB2->scrollTo(selection.first().topLeft());
}

void TForm1::ConnectResultLists() {
    connect(LBB1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, click = Guarded(&TForm1::LBB1Click)](const QModelIndex& current) {
                Lists.current1 = current.isValid() ? current.row() : -1;
                click();
            });
    connect(LBB2->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, click = Guarded(&TForm1::LBB2Click)](const QModelIndex& current) {
                Lists.current2 = current.isValid() ? current.row() : -1;
                click();
            });
    connect(LBB2->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                for (const QModelIndex& index : deselected.indexes())
                    Lists.SetSelected(static_cast<size_t>(index.row()), false);
                for (const QModelIndex& index : selected.indexes())
                    Lists.SetSelected(static_cast<size_t>(index.row()), true);
            });
    connect(LBB1, &QListView::doubleClicked, this, Guarded(&TForm1::LBB1DblClick));
    connect(LBB2, &QListView::doubleClicked, this, Guarded(&TForm1::LBB2DblClick));
}

} // namespace twinsweep
