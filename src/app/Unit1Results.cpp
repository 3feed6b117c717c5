// The main window's duplicate scan and the commands on its result lists.
#include <QGuiApplication>
#include <QListView>

#include "BusyWork.h"
#include "Globals.h"
#include "MainWindowTexts.h"
#include "MessageBoxes.h"
#include "Paths.h"
#include "ResultListsView.h"
#include "ScanProgress.h"
#include "SetsPage.h"
#include "SetsTab.h"
#include "ShellAccess.h"
#include "TrashReport.h"
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
    ShowReport("IDS_12", ScanReport(StringTable1, session, form3_->Completed()));
    SelectFirstGroup();
}

void TForm1::ShowReport(const char* titleKey, const std::string& text) {
    const UnreachedReport unreached = UnreachedText(StringTable1, session);
    ShowMessageBox(this, QMessageBox::Information,
                   QString::fromStdString(StringTable1.GetKeyText(titleKey)),
                   QString::fromStdString(text + unreached.text), QMessageBox::Ok,
                   QString::fromStdString(unreached.details));
}

void TForm1::SelectFirstGroup() {
    if (session.Lists().LBB1.empty())
        return;
    session.SetCurrentReference(0);
    results_->ShowCurrentReference();
    LBB1Click();
}

bool TForm1::RunScan() {
    return ScanShowingProgress(session, host_, *form3_, *results_,
                               [this] { TB2->ShowTableBottom(); });
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
    results_->ShowCurrentDuplicate();
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
    results_->ShowSwapped();
}

void TForm1::BT4Click() {
    // The Sets tab shows marks, not the Results tab's selection: the marks go.
    if (PageControl1->currentWidget() == TB3) {
        setsTab_->TrashMarked();
        return;
    }
    if (session.Lists().LBB1.empty())
        return;
    if (!ConfirmTrash(this, StringTable1, session.SelectedFiles()))
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
