// The main window's project commands: save and load the whole working state.
#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>

#include "BusyWork.h"
#include "FileTableModel.h"
#include "ProjectDialogs.h"
#include "ProjectFile.h"
#include "ResultListsView.h"
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
    TextLines lines;
    try {
        // The criteria's dates in the same order and separators whatever the language, as
        // any language reads them.
        lines =
            ProjectLines(ReadSearchChoices(), Lists, Table, widths, TFormatSettings{}, busy.Work());
    } catch (const EProjectLineError& e) {
        throw Exception(FormatMessage(StringTable1.GetKeyText("IDS_27"), {e.text}));
    }
    SaveProject(*path, lines);
}

void TForm1::BT9Click() {
    if (const auto path = CurrentProjectFileChooser()(this, ProjectDialog::Open, StringTable1))
        LoadProjectFile(*path);
}

void TForm1::LoadProjectFile(const std::string& path) {
    Project project;
    {
        const BusyCursor cursor;
        BusyWork busy(host_);
        try {
            project = LoadProject(path, ReadSearchChoices(), TableCaptions(), busy.Work());
        } catch (const ENotAProjectError& e) {
            throw Exception(FormatMessage(StringTable1.GetKeyText("IDS_67"), {e.path}));
        }
    }
    project.choices.folder = SearchFolder;
    WriteSearchChoices(project.choices);
    Lists = std::move(project.lists);
    ForgetMarks();
    Table = std::move(project.table);
    WriteTableCaptions(); // the file's are those of the language it was saved in
    tableModel_->TableReset();
    for (int column = 0; column < FileTable::ColumnCount; ++column)
        SG1->setColumnWidth(column, project.widths[static_cast<size_t>(column)]);
    Ld1->setIndicatorstring(QString::number(Table.FileCount()));
    results_->Refresh();
    PageControl1->setCurrentWidget(TB2);
    SelectFirstGroup();
}

} // namespace twinsweep
