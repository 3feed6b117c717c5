// The main window's project commands: save and load the whole working state.
#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>

#include "BusyWork.h"
#include "FileTableModel.h"
#include "ProjectDialogs.h"
#include "ProjectFile.h"
#include "ResultListsView.h"
#include "ResultsPage.h"
#include "Unit1.h"
#include "ZarvoLiquidIndicator.h"

namespace twinsweep {

void TForm1::BT10Click() {
    const auto path = CurrentProjectFileChooser()(this, ProjectDialog::Save, StringTable1);
    if (!path)
        return;
    const BusyCursor cursor;
    BusyWork busy(host_);
    ColumnWidths widths;
    for (int column = 0; column < FileTable::ColumnCount; ++column)
        widths[static_cast<size_t>(column)] = SG1->columnWidth(column);
    session.SetChoices(ReadSearchChoices());
    try {
        session.SaveProject(*path, widths, busy.Work());
    } catch (const EProjectLineError& e) {
        throw Exception(FormatMessage(StringTable1.GetKeyText("IDS_27"), {e.text}));
    }
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
        try {
            widths = session.LoadProject(path, busy.Work());
        } catch (const ENotAProjectError& e) {
            throw Exception(FormatMessage(StringTable1.GetKeyText("IDS_67"), {e.path}));
        }
    }
    WriteSearchChoices(session.Choices());
    tableModel_->TableReset();
    for (int column = 0; column < FileTable::ColumnCount; ++column)
        SG1->setColumnWidth(column, widths[static_cast<size_t>(column)]);
    Ld1->setIndicatorstring(QString::number(session.Table().FileCount()));
    results_->Refresh();
    ShowMarks();
    PageControl1->setCurrentWidget(TB2);
    SelectFirstGroup();
}

} // namespace twinsweep
