// The main window's search: the folder choice, the criteria, the found files and the
// completion step.
#include <QLineEdit>
#include <QTabWidget>

#include "CriteriaPage.h"
#include "ErrorBox.h"
#include "FolderDialog.h"
#include "MainWindowTexts.h"
#include "Paths.h"
#include "ResultListsView.h"
#include "SetsTab.h"
#include "TBitmapButton.h"
#include "Unit1.h"
#include "Unit2.h"
#include "WaitingGradient.h"

namespace twinsweep {

void TForm1::B1Click() {
    const auto folder = FolderDialog::Choose(this, TB1->Folder(SearchFolder));
    if (!folder)
        return;
    SearchFolder = IncludeTrailingPathDelimiter(*folder);
    TB1->Edit2->setText(QString::fromStdString(SearchFolder));
}

void TForm1::BT1Click() {
    if (TB1->Edit2->text().isEmpty())
        B1Click();
    if (TB1->Edit2->text().isEmpty())
        return;
    SearchFolder = TB1->SearchFolder(SearchFolder, StringTable1, SizeBoundText(StringTable1));
    TB1->Edit2->setText(QString::fromStdString(SearchFolder));
    session.SetChoices(ReadSearchChoices());
    session.BeginSearch();
    TB2->ShowTable();
    results_->Refresh();
    setsTab_->ShowMarks();
    session.KeepLastSearch();
    form2_->W1->SetEnabled(true);
    form2_->W1->setVisible(true);
    form2_->exec();
}

QString TForm1::SizeLimitText() const {
    return QString::fromStdString(SizeBoundText(StringTable1));
}

void TForm1::WriteTableCaptions() { session.SetCaptions(TableCaptions(StringTable1)); }

SearchChoices TForm1::ReadSearchChoices() const { return TB1->Read(SearchFolder); }

void TForm1::WriteSearchChoices(const SearchChoices& choices) {
    SearchFolder = choices.folder;
    TB1->Write(choices);
}

void TForm1::FF1Found(TFileSearch&, const std::string& Folder, TSearchRec& FileInfo) {
    session.AddFoundFile(Folder, FileInfo);
    TB2->FileAdded();
}

void TForm1::FF1Complete(TFileSearch& Sender) {
    const bool stopped = Sender.Aborted(); // closing the search window below aborts it too
    TB2->ShowTableBottom();
    form2_->W1->setVisible(false);
    form2_->W1->SetEnabled(false);
    BT1->setEnabled(true);
    session.FinishSearch();
    TB2->ShowTable();
    TB2->FitColumns();
    PageControl1->setCurrentWidget(TB2);
    form2_->close();
    if (const auto& failure = Sender.Failure()) {
        ShowErrorBox(this, FormatMessage(StringTable1.GetKeyText("IDS_87"), {*failure}));
        return;
    }
    if (!session.Table().IsEmpty()) {
        BT2Click();
        return;
    }
    // A search that found nothing ends here: there is nothing to compare. Stopped early, it
    // cannot tell whether some file would have matched.
    ShowReport("IDS_35", StringTable1.GetKeyText(stopped ? "IDS_34" : "IDS_33"));
}

} // namespace twinsweep
