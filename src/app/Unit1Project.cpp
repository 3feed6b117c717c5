// The main window's project commands: save and load the whole working state.
#include <QTabWidget>

#include "BusyWork.h"
#include "CountedText.h"
#include "MainWindowTexts.h"
#include "MessageBoxes.h"
#include "ProjectDialogs.h"
#include "ResultListsView.h"
#include "SetsTab.h"
#include "Unit1.h"

namespace twinsweep {

void TForm1::BT10Click() {
    const auto path = CurrentProjectFileChooser()(this, ProjectDialog::Save, StringTable1);
    if (!path)
        return;
    std::vector<std::string> leftOut;
    {
        const BusyCursor cursor;
        BusyWork busy(host_);
        session.SetChoices(ReadSearchChoices());
        InProjectWords(StringTable1,
                       [&] { leftOut = session.SaveProject(*path, TB2->Widths(), busy.Work()); });
    }
    if (!leftOut.empty())
        ShowMessageBox(
            this, QMessageBox::Warning, QString::fromStdString(StringTable1.GetKeyText("IDS_94")),
            QString::fromStdString(CountedText(StringTable1, "IDS_92", "IDS_93", leftOut.size())),
            QMessageBox::Ok, QString::fromStdString(LeftOutNames(leftOut)));
}

void TForm1::BT9Click() {
    if (const auto path = CurrentProjectFileChooser()(this, ProjectDialog::Open, StringTable1))
        LoadProjectFile(*path);
}

void TForm1::LoadProjectFile(const std::string& path) {
    ColumnWidths widths;
    {
        const BusyCursor cursor;
        BusyWork busy(host_);
        session.SetChoices(ReadSearchChoices());
        InProjectWords(StringTable1, [&] { widths = session.LoadProject(path, busy.Work()); });
    }
    WriteSearchChoices(session.Choices());
    TB2->ShowTable();
    TB2->SetWidths(widths);
    results_->Refresh();
    setsTab_->ShowMarks();
    PageControl1->setCurrentWidget(TB2);
    SelectFirstGroup();
}

} // namespace twinsweep
