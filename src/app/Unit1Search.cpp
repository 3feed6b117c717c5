// The main window's search: the folder choice, the criteria, the found files and the
// completion step.
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

#include "ByteSizeText.h"
#include "CriteriaPage.h"
#include "FileTableModel.h"
#include "FolderDialog.h"
#include "MessageBoxes.h"
#include "Paths.h"
#include "ProjectFile.h"
#include "ResultListsView.h"
#include "ResultsPage.h"
#include "SizeBox.h"
#include "Subfolders.h"
#include "TBitmapButton.h"
#include "Unit1.h"
#include "Unit2.h"
#include "WaitingGradient.h"
#include "ZarvoLiquidIndicator.h"

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
    // The folder the field shows, typed or chosen, taken as it is: "~" and relative paths
    // are not expanded, and blanks belong to the name.
    const std::string folder = TB1->Folder(SearchFolder);
    if (folder.front() != PathDelim || !IsFolder(folder))
        throw Exception(FormatMessage(StringTable1.GetKeyText("IDS_68"), {folder}));
    if (!TB1->SizeMin->InRange() || !TB1->SizeMax->InRange())
        throw Exception(SizeLimitText().toStdString());
    SearchFolder = IncludeTrailingPathDelimiter(folder);
    TB1->Edit2->setText(QString::fromStdString(SearchFolder));
    session.SetChoices(ReadSearchChoices());
    session.BeginSearch();
    ShowNewSearch();
    KeepLastSearch();
    form2_->W1->SetEnabled(true);
    form2_->W1->setVisible(true);
    form2_->exec();
}

void TForm1::ShowNewSearch() {
    tableModel_->TableReset();
    Ld1->setIndicatorstring("0");
    results_->Refresh();
    ShowMarks();
}

FileTable::Row TForm1::TableCaptions() const {
    return {StringTable1.GetKeyText("IDS_0"), StringTable1.GetKeyText("IDS_1"),
            StringTable1.GetKeyText("IDS_2"), StringTable1.GetKeyText("IDS_3")};
}

QString TForm1::SizeLimitText() const {
    return QString::fromStdString(FormatMessage(
        StringTable1.GetKeyText("IDS_56"),
        {LanguageLocale().toString(static_cast<qlonglong>(MaxSizeKB)).toStdString()}));
}

void TForm1::WriteTableCaptions() { session.SetCaptions(TableCaptions()); }

SearchChoices TForm1::ReadSearchChoices() const { return TB1->Read(SearchFolder); }

void TForm1::WriteSearchChoices(const SearchChoices& choices) {
    SearchFolder = choices.folder;
    TB1->Write(choices);
}

void TForm1::FF1Found(TFileSearch&, const std::string& Folder, TSearchRec& FileInfo) {
    session.AddFoundFile(Folder, FileInfo);
    // The view and Ld1 follow a moment later, once for many files.
    if (!tableRefresh_->isActive())
        tableRefresh_->start();
}

void TForm1::ShowFoundFiles() {
    tableRefresh_->stop();
    tableModel_->RowsChangedAtBottom();
    Ld1->setIndicatorstring(QString::number(session.Table().FileCount()));
}

void TForm1::FF1Complete(TFileSearch& Sender) {
    const bool stopped = Sender.Aborted(); // closing the search window below aborts it too
    ShowFoundFiles();
    form2_->W1->setVisible(false);
    form2_->W1->SetEnabled(false);
    BT1->setEnabled(true);
    session.FinishSearch();
    tableModel_->TableReset();
    FitTableColumns(SG1, session.Table());
    PageControl1->setCurrentWidget(TB2);
    form2_->close();
    if (!session.Table().IsEmpty()) {
        BT2Click();
        return;
    }
    // A search that found nothing ends here: there is nothing to compare. Stopped early, it
    // cannot tell whether some file would have matched.
    ShowMessageBox(this, QMessageBox::Information,
                   QString::fromStdString(StringTable1.GetKeyText("IDS_35")),
                   QString::fromStdString(StringTable1.GetKeyText(stopped ? "IDS_34" : "IDS_33")));
}

} // namespace twinsweep
