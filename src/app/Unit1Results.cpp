// The main window's duplicate scan and the commands on its result lists.
#include <QAbstractItemView>
#include <QListView>
#include <QMessageBox>
#include <QScopedValueRollback>

#include "DuplicateScan.h"
#include "FileTableModel.h"
#include "Globals.h"
#include "Errors.h"
#include "Host.h"
#include "InputBlock.h"
#include "LanguageTexts.h"
#include "MessagePacer.h"
#include "ShellAccess.h"
#include "StandIns.h"
#include "TextListModel.h"
#include "Unit1.h"
#include "Unit3.h"

namespace twinsweep {

namespace {

// At most this many kept files are named in the message itself; all are in its details.
constexpr size_t ShownKeptFiles = 10;

// The string-table key of the text that explains a reason; it holds %s for the detail.
const char* ReasonKey(KeepReason reason) {
    switch (reason) {
    case KeepReason::ReferenceGone:
        return "IDS_22";
    case KeepReason::SameFile:
        return "IDS_23";
    case KeepReason::Changed:
        return "IDS_24";
    case KeepReason::DuplicateGone:
        return "IDS_25";
    case KeepReason::TrashFailed:
        return "IDS_26";
    }
    return "";
}

} // namespace

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
    const InputBlock onlyTheScanWindow(form3_);
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
    const InputBlock noInput;
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
    std::vector<KeptDuplicate> kept;
    {
        const InputBlock noInput;
        MessagePacer pacer;
        kept = DeleteSelectedDuplicates(
            Lists, [this](const std::string& path, std::string& error) { return DeleteFileWithUndo(path, &error); },
            [&] { if (pacer.Due()) host_.processMessages(); });
    }
    ShowLists();
    Ld4->setIndicatorstring(QString::number(Lists.LBB2.size()));
    Ld3->setIndicatorstring(QString::number(Lists.LBB1.size()));
    ReportKeptDuplicates(kept);
}

bool TForm1::DeleteFileWithUndo(const std::string& path, std::string* error) {
    return CurrentTrashMover()(path, error);
}

void TForm1::ReportKeptDuplicates(const std::vector<KeptDuplicate>& kept) {
    if (kept.empty())
        return;
    QStringList lines;
    for (const KeptDuplicate& file : kept)
        lines << QString::fromStdString(
                     file.path + ": " + FormatMessage(StringTable1.GetKeyText(ReasonKey(file.reason)), {file.detail}));
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(StringTable1.GetKeyText("IDS_20")),
                    QString::fromStdString(StringTable1.GetKeyText("IDS_21")), QMessageBox::Ok, this);
    box.setInformativeText(lines.mid(0, ShownKeptFiles).join('\n') + (lines.size() > qsizetype(ShownKeptFiles) ? "\n…" : ""));
    if (lines.size() > qsizetype(ShownKeptFiles))
        box.setDetailedText(lines.join('\n'));
    box.exec();
}

// The views are set from Lists with their signals on, so that they repaint what changed;
// the handlers of the user's clicks ignore what happens meanwhile.
void TForm1::ShowLists() {
    const QScopedValueRollback showing(showingLists_, true);
    referencesModel_->LinesReset();
    duplicatesModel_->LinesReset();
    ShowCurrentReference();
    ShowDuplicateSelection();
}

void TForm1::ShowCurrentReference() {
    const QScopedValueRollback showing(showingLists_, true);
    if (Lists.current1 < 0) {
        LBB1->selectionModel()->clear();
        return;
    }
    const QModelIndex current = referencesModel_->index(Lists.current1);
    LBB1->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
    LBB1->scrollTo(current);
}

void TForm1::ShowDuplicateSelection() {
    const QScopedValueRollback showing(showingLists_, true);
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
                if (showingLists_)
                    return;
                Lists.current1 = current.isValid() ? current.row() : -1;
                click();
            });
    connect(LBB2->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, click = Guarded(&TForm1::LBB2Click)](const QModelIndex& current) {
                if (showingLists_)
                    return;
                Lists.current2 = current.isValid() ? current.row() : -1;
                click();
            });
    connect(LBB2->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                if (showingLists_)
                    return;
                for (const QModelIndex& index : deselected.indexes())
                    Lists.SetSelected(static_cast<size_t>(index.row()), false);
                for (const QModelIndex& index : selected.indexes())
                    Lists.SetSelected(static_cast<size_t>(index.row()), true);
            });
    connect(LBB1, &QListView::doubleClicked, this, Guarded(&TForm1::LBB1DblClick));
    connect(LBB2, &QListView::doubleClicked, this, Guarded(&TForm1::LBB2DblClick));
}

} // namespace twinsweep
