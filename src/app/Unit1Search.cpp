// The main window's search: the folder choice, the criteria, the found files and the
// completion step.
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <unordered_map>

#include "FileTableModel.h"
#include "FolderDialog.h"
#include "Globals.h"
#include "Paths.h"
#include "PickerValues.h"
#include "StandIns.h"
#include "TargetList.h"
#include "TextListModel.h"
#include "Unit1.h"
#include "Unit2.h"

namespace twinsweep {

namespace {

// A bound from a date picker and a time picker, each counted only when its box is checked.
TDateTime Bound(const QCheckBox* dateOn, const QDateTimeEdit* date, const QCheckBox* timeOn,
                const QDateTimeEdit* time) {
    const TDateTime day = dateOn->isChecked() ? DateTimeInt(ToDateTime(date->dateTime())) : 0;
    const TDateTime timeOfDay = timeOn->isChecked() ? DateTimeFrac(ToDateTime(time->dateTime())) : 0;
    return day + timeOfDay;
}

// The last-write time to show: the packed time when it has one, the real time otherwise.
TDateTime ShownWriteTime(const TSearchRec& entry) {
    return entry.Time != 0 ? FileDateToDateTime(entry.Time)
                           : UnixToLocalDateTime(entry.FindData.LastWriteTime);
}

} // namespace

void TForm1::B1Click() {
    // While Edit2 shows SearchFolder, the choice starts from its bytes; else from the text.
    const QString shown = Edit2->text();
    const auto folder = FolderDialog::Choose(
        this, shown == QString::fromStdString(SearchFolder) ? SearchFolder : shown.toStdString());
    if (!folder)
        return;
    SearchFolder = IncludeTrailingPathDelimiter(*folder);
    Edit2->setText(QString::fromStdString(SearchFolder));
}

void TForm1::BT1Click() {
    if (SearchFolder.empty())
        B1Click();
    if (SearchFolder.empty())
        return;
    ResetTableAndLists();
    SetSearchCriteria();
    form2_->W1->setEnabled(true);
    form2_->W1->setVisible(true);
    form2_->exec();
}

void TForm1::ResetTableAndLists() {
    Table.Reset({StringTable1.GetKeyText("IDS_0"), StringTable1.GetKeyText("IDS_1"),
                 StringTable1.GetKeyText("IDS_2"), StringTable1.GetKeyText("IDS_3")});
    tableModel_->TableReset();
    Ld1->setIndicatorstring("0");
    Lists.ClearResults();
    ShowLists();
    Ld3->setIndicatorstring("0");
    Ld4->setIndicatorstring("0");
}

void TForm1::SetSearchCriteria() {
    FF1->SetFilename(CK2->isChecked() ? "*." + Edit1->text().toStdString() : "*.*");
    FF1->SetIncludeFiles({FolderTarget(SearchFolder, FF1->Filename())});
    FF1->SetSubfolders(CK1->isChecked());
    TFileAttributes attributes;
    if (Archive->isChecked())
        attributes.Include(ffArchive);
    if (Readonly->isChecked())
        attributes.Include(ffReadonly);
    if (Hidden->isChecked())
        attributes.Include(ffHidden);
    if (System->isChecked())
        attributes.Include(ffSystem);
    FF1->SetAttributes(attributes);
    FF1->SetSizeMin(int64_t{SizeMin->value()} * 1024);
    FF1->SetSizeMax(int64_t{SizeMax->value()} * 1024);

    FF1->SetCreatedBefore(0);
    FF1->SetCreatedAfter(0);
    FF1->SetModifiedBefore(0);
    FF1->SetModifiedAfter(0);
    FF1->SetAccessedBefore(0);
    FF1->SetAccessedAfter(0);
    const TDateTime before = Bound(BD, BeforeDate, BT, BeforeTime);
    const TDateTime after = Bound(AD, AfterDate, AT, AfterTime);
    switch (DateRangeIndex()) {
    case 0:
        FF1->SetCreatedBefore(before);
        FF1->SetCreatedAfter(after);
        break;
    case 1:
        FF1->SetModifiedBefore(before);
        FF1->SetModifiedAfter(after);
        break;
    case 2:
        FF1->SetAccessedBefore(before);
        FF1->SetAccessedAfter(after);
        break;
    default:
        break;
    }
}

void TForm1::FF1Found(TFileSearch&, const std::string& Folder, TSearchRec& FileInfo) {
    Table.Append(Folder, FileInfo.Name, FileInfo.Size,
                 DateTimeToStr(ShownWriteTime(FileInfo), formats_));
    // The view and Ld1 follow a moment later, once for many files.
    if (!tableRefresh_->isActive())
        tableRefresh_->start();
}

void TForm1::ShowFoundFiles() {
    tableRefresh_->stop();
    tableModel_->RowsChangedAtBottom();
    Ld1->setIndicatorstring(QString::number(Table.FileCount()));
}

void TForm1::FF1Complete(TFileSearch&) {
    ShowFoundFiles();
    form2_->W1->setVisible(false);
    form2_->W1->setEnabled(false);
    BT1->setEnabled(true);
    Table.SortBySize();
    tableModel_->TableReset();
    FitTableColumns();
    PageControl1->setCurrentWidget(TB2);
    form2_->close();
    // A search that found nothing ends here: there is nothing to compare.
    if (!Table.IsEmpty())
        BT2Click();
}

void TForm1::FitTableColumns() {
    const QFontMetrics cells(SG1->font());
    const QFontMetrics header(SG1->horizontalHeader()->font());
    const int gridLine = SG1->showGrid() ? 1 : 0;
    // Folders, names and dates repeat a lot; each text is measured once.
    std::unordered_map<std::string, int> widths;
    for (int column = 0; column < FileTable::ColumnCount; ++column) {
        int widest = header.horizontalAdvance(QString::fromStdString(Table.Cell(column, 0)));
        for (int row = 1; row < Table.RowCount(); ++row) {
            const std::string& text = Table.Cell(column, row);
            auto [width, added] = widths.try_emplace(text, 0);
            if (added)
                width->second = cells.horizontalAdvance(QString::fromStdString(text));
            widest = std::max(widest, width->second);
        }
        SG1->setColumnWidth(column, widest + 2 * gridLine + 4 + 10);
    }
}

} // namespace twinsweep
