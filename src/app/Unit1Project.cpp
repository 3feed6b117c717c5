// The main window's project commands: save and load the whole working state.
#include <QTabWidget>

#include "BusyWork.h"
#include "MainWindowTexts.h"
#include "ProjectDialogs.h"
#include "ResultListsView.h"
#include "SetsTab.h"
#include "Unit1.h"

namespace twinsweep {

void TForm1::BT10Click() {
    const auto path = CurrentProjectFileChooser()(this, ProjectDialog::Save, StringTable1);
    if (!path)
        return;
    const BusyCursor cursor;
    BusyWork busy(host_);
    session.SetChoices(ReadSearchChoices());
    InProjectWords(StringTable1, [&] { session.SaveProject(*path, TB2->Widths(), busy.Work()); });
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
