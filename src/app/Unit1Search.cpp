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
#include "TextListModel.h"
#include "Unit1.h"
#include "Unit2.h"

namespace twinsweep {

namespace {

DateTimeChoice ReadBound(const QCheckBox* dateOn, const QDateTimeEdit* date, const QCheckBox* timeOn,
                         const QDateTimeEdit* time) {
    return {dateOn->isChecked(), ToDateTime(date->dateTime()), timeOn->isChecked(), ToDateTime(time->dateTime())};
}

void WriteBound(const DateTimeChoice& bound, QCheckBox* dateOn, QDateTimeEdit* date, QCheckBox* timeOn,
                QDateTimeEdit* time) {
    dateOn->setChecked(bound.dateOn);
    date->setDateTime(ToQDateTime(bound.date));
    date->setEnabled(bound.dateOn);
    timeOn->setChecked(bound.timeOn);
    time->setDateTime(ToQDateTime(bound.time));
    time->setEnabled(bound.timeOn);
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
    ConfigureSearch(*FF1, ReadSearchChoices());
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

SearchChoices TForm1::ReadSearchChoices() const {
    SearchChoices choices;
    choices.folder = SearchFolder;
    choices.subfolders = CK1->isChecked();
    choices.extensionOnly = CK2->isChecked();
    choices.extension = Edit1->text().toStdString();
    choices.archive = Archive->isChecked();
    choices.readonly = Readonly->isChecked();
    choices.hidden = Hidden->isChecked();
    choices.system = System->isChecked();
    choices.sizeMinKB = SizeMin->value();
    choices.sizeMaxKB = SizeMax->value();
    choices.dateRange = static_cast<DateRange>(DateRangeIndex());
    choices.before = ReadBound(BD, BeforeDate, BT, BeforeTime);
    choices.after = ReadBound(AD, AfterDate, AT, AfterTime);
    return choices;
}

void TForm1::WriteSearchChoices(const SearchChoices& choices) {
    SearchFolder = choices.folder;
    Edit2->setText(QString::fromStdString(SearchFolder));
    CK1->setChecked(choices.subfolders);
    CK2->setChecked(choices.extensionOnly);
    Edit1->setText(QString::fromStdString(choices.extension));
    Archive->setChecked(choices.archive);
    Readonly->setChecked(choices.readonly);
    Hidden->setChecked(choices.hidden);
    System->setChecked(choices.system);
    SizeMin->setValue(static_cast<int>(choices.sizeMinKB));
    SizeMax->setValue(static_cast<int>(choices.sizeMaxKB));
    SetDateRangeIndex(static_cast<int>(choices.dateRange));
    WriteBound(choices.before, BD, BeforeDate, BT, BeforeTime);
    WriteBound(choices.after, AD, AfterDate, AT, AfterTime);
}

void TForm1::FF1Found(TFileSearch&, const std::string& Folder, TSearchRec& FileInfo) {
    AppendFoundFile(Table, Folder, FileInfo, formats_);
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
    FinishTable(Table);
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
