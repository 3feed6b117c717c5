// The main window's duplicate scan and the commands on its result lists.
#include <QGuiApplication>
#include <QListView>
#include <QTabWidget>

#include "BusyWork.h"
#include "ByteSizeText.h"
#include "CountedText.h"
#include "Errors.h"
#include "FileTableModel.h"
#include "Globals.h"
#include "LanguageTexts.h"
#include "MainWindowTexts.h"
#include "MessageBoxes.h"
#include "MessagePacer.h"
#include "Paths.h"
#include "ResultListsView.h"
#include "ResultsPage.h"
#include "SetsPage.h"
#include "ShellAccess.h"
#include "TrashReport.h"
#include "TrashTally.h"
#include "Unit1.h"
#include "Unit3.h"
#include "ZarvoLiquidIndicator.h"

namespace twinsweep {

void TForm1::BT2Click() {
    if (session.Table().Cell(FileTable::NameColumn, 1).empty()) {
        BT1Click();
        return;
    }
    ScanStarted = false;
    form3_->exec();
    ShowMessageBox(
        this, QMessageBox::Information, QString::fromStdString(StringTable1.GetKeyText("IDS_12")),
        QString::fromStdString(ScanReport(StringTable1, session.Lists(), form3_->Completed())));
    SelectFirstGroup();
}

void TForm1::SelectFirstGroup() {
    if (session.Lists().LBB1.empty())
        return;
    session.SetCurrentReference(0);
    results_->ShowCurrentReference();
    LBB1Click();
}

bool TForm1::RunScan() {
    // Messages are processed often, so that Cancel answers at once; the lists, the table,
    // the counters and the progress text are shown again only a few times a second, so
    // that a long scan spends its time comparing, not painting.
    int filesLeft = session.Table().FileCount();
    ScanBytes bytes;
    auto showProgress = [this, &filesLeft, &bytes] {
        results_->ShowAppended();
        tableModel_->RowsChangedAtBottom();
        Ld1->setIndicatorstring(QString::number(session.Table().FileCount()));
        form3_->ShowFilesLeft(filesLeft);
        form3_->ShowBytesCompared(bytes.Compared(), bytes.Total());
    };
    MessagePacer display(std::chrono::milliseconds(250));
    const ResultListsView::Appending appending(*results_);
    BusyWork busy(
        host_, form3_,
        [&] {
            if (display.Due())
                showProgress();
        },
        [] { return CancelRequested; });
    bool shown = false;
    busy.Work().progress = [&](int left) {
        filesLeft = left;
        if (!std::exchange(shown, true))
            showProgress(); // the window starts with this scan's figures, its total included
    };
    const bool completed = session.Scan(busy.Work(), &bytes);
    showProgress();
    return completed;
}

void TForm1::ScanCompleted() {
    form3_->ShowFilesLeft(0);
    Ld1->setIndicatorstring("0");
}

void TForm1::ShowLists() { results_->Refresh(); }

void TForm1::LBB1Click() {
    if (session.Lists().LBB1.empty())
        return;
    LBB2->hide();
    session.SelectGroup(BusyWork(host_).Work());
    results_->ShowDuplicateSelection();
    LBB2->show();
    // A click hands the focus to the duplicates; browsing with the keys keeps it.
    if (!LBB1->hasFocus() || QGuiApplication::mouseButtons() != Qt::NoButton)
        LBB2->setFocus();
}

void TForm1::LBB2Click() {
    session.FollowUp();
    results_->ShowCurrentReference();
}

void TForm1::LBB1DblClick() { OpenTarget(this, session.CurrentReference()); }

void TForm1::LBB2DblClick() { OpenTarget(this, session.CurrentDuplicate()); }

void TForm1::OpenFolder1Click() {
    if (const auto entry = results_->MenuEntry())
        OpenTarget(this, ExtractFilePath(*entry));
}

void TForm1::Trocar1Click() {
    session.SwapReferenceAndDuplicate();
    results_->ShowCurrentTexts();
}

void TForm1::BT4Click() {
    // The Sets tab shows marks, not the Results tab's selection: the marks go.
    if (PageControl1->currentWidget() == TB3) {
        TrashMarkedClick();
        return;
    }
    if (session.Lists().LBB1.empty())
        return;
    const FilesTally selected = session.SelectedFiles();
    const DeleteConfirmationText confirmation = DeleteConfirmation(LanguageIndex, selected.files);
    if (selected.files == 0) {
        ShowMessageBox(this, QMessageBox::Information, QString::fromStdString(confirmation.title),
                       QString::fromStdString(StringTable1.GetKeyText("IDS_69")));
        return;
    }
    const std::string question =
        FormatMessage(confirmation.question,
                      {CountText(selected.files), ByteSizeText(selected.bytes).toStdString()});
    if (ShowMessageBox(this, QMessageBox::Question, QString::fromStdString(confirmation.title),
                       QString::fromStdString(question),
                       QMessageBox::Yes | QMessageBox::No) == QMessageBox::No)
        return;
    const TrashOutcome outcome = session.TrashSelected(
        [this](const std::string& path, std::string& error) {
            return DeleteFileWithUndo(path, &error);
        },
        BusyWork(host_).Work());
    results_->Refresh();
    ReportTrashed(this, StringTable1, outcome.moved, outcome.kept);
}

bool TForm1::DeleteFileWithUndo(const std::string& path, std::string* error) {
    return CurrentTrashMover()(path, error);
}

void TForm1::LBB2KeyDown(int key) {
    if (key == Qt::Key_Delete)
        BT4Click();
}

} // namespace twinsweep
