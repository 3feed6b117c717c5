#include "CriteriaPage.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "DateTime.h"
#include "Errors.h"
#include "FolderDialog.h"
#include "FoldersBox.h"
#include "NamedWidgets.h"
#include "Paths.h"
#include "PickerValues.h"
#include "SizeBox.h"
#include "StringTable.h"
#include "Subfolders.h"
#include "TMediaButton.h"

namespace twinsweep {

namespace {

QDateTimeEdit* Picker(const char* name, bool date, QWidget* parent) {
    auto* picker = Named(new QDateTimeEdit(parent), name);
    picker->setCalendarPopup(date);
    picker->setEnabled(false);
    return picker;
}

DateTimeChoice ReadBound(const QCheckBox* dateOn, const QDateTimeEdit* date,
                         const QCheckBox* timeOn, const QDateTimeEdit* time) {
    return {dateOn->isChecked(), ToDateTime(date->dateTime()), timeOn->isChecked(),
            ToDateTime(time->dateTime())};
}

void WriteBound(const DateTimeChoice& bound, QCheckBox* dateOn, QDateTimeEdit* date,
                QCheckBox* timeOn, QDateTimeEdit* time) {
    dateOn->setChecked(bound.dateOn);
    date->setDateTime(ToQDateTime(bound.date));
    timeOn->setChecked(bound.timeOn);
    time->setDateTime(ToQDateTime(bound.time));
}

} // namespace

CriteriaPage::CriteriaPage() {
    setObjectName("TB1");
    auto* outer = new QVBoxLayout(this);
    auto* panel = Named(new QWidget(this), "Panel1");
    auto* grid = new QGridLayout(panel);
    outer->addWidget(panel);
    outer->addStretch(1);

    // Folder and name.
    grid->addWidget(NamedLabel("Label1", panel), 0, 0);
    auto* folderRow = new QHBoxLayout;
    Edit2 = Named(new QLineEdit(panel), "Edit2");
    B1 = Named(new TMediaButton(panel), "B1");
    B1->SetButtonType(TMediaButtonType::btEject); // the "open" sign
    B1->SetTabStop(true);
    B1->setFixedSize(40, 22);
    CK3 = Named(new QCheckBox(panel), "CK3");
    folderRow->addWidget(Edit2, 1);
    folderRow->addWidget(B1);
    folderRow->addWidget(CK3);
    grid->addLayout(folderRow, 0, 1, 1, 3);

    CK2 = Named(new QCheckBox(panel), "CK2");
    Edit1 = Named(new QLineEdit(panel), "Edit1");
    Edit1->setMaximumWidth(160);
    grid->addWidget(CK2, 1, 0);
    grid->addWidget(Edit1, 1, 1, Qt::AlignLeft);
    CK1 = Named(new QCheckBox(panel), "CK1");
    CK1->setChecked(true);
    grid->addWidget(CK1, 2, 0, 1, 2);

    // Attributes and size.
    Attributes = Named(new QGroupBox(panel), "Attributes");
    auto* attributes = new QVBoxLayout(Attributes);
    for (auto [box, name] : {std::pair{&Archive, "Archive"},
                             {&Readonly, "Readonly"},
                             {&Hidden, "Hidden"},
                             {&System, "System"}}) {
        *box = Named(new QCheckBox(Attributes), name);
        (*box)->setChecked(true);
        attributes->addWidget(*box);
    }
    grid->addWidget(Attributes, 3, 0, 2, 1);

    FileSize = Named(new QGroupBox(panel), "FileSize");
    auto* size = new QGridLayout(FileSize);
    SizeMin = Named(new SizeBox(FileSize), "SizeMin");
    SizeMax = Named(new SizeBox(FileSize), "SizeMax");
    size->addWidget(NamedLabel("Label8", FileSize), 0, 0);
    size->addWidget(SizeMin, 0, 1);
    size->addWidget(NamedLabel("Label9", FileSize), 0, 2);
    size->addWidget(NamedLabel("Label10", FileSize), 1, 0);
    size->addWidget(SizeMax, 1, 1);
    size->addWidget(NamedLabel("Label11", FileSize), 1, 2);
    grid->addWidget(FileSize, 3, 1, 1, 2);

    // Date bounds.
    DateRangeChoice = Named(new QGroupBox(panel), "DateRangeChoice");
    auto* range = new QHBoxLayout(DateRangeChoice);
    static const char* itemNames[] = {"DateRangeCreated", "DateRangeModified", "DateRangeAccessed"};
    for (int i = 0; i < 3; ++i) {
        DateRangeItems[i] = Named(new QRadioButton(DateRangeChoice), itemNames[i]);
        range->addWidget(DateRangeItems[i]);
    }
    DateRangeItems[1]->setChecked(true);
    grid->addWidget(DateRangeChoice, 4, 1, 1, 2);
    grid->addWidget(BuildBounds(panel), 5, 1, 1, 3);

    Folders = new FoldersBox(panel);
    grid->addWidget(Folders, 6, 0, 1, 4);
    auto* tip = NamedLabel("Label2", panel);
    tip->setWordWrap(true);
    grid->addWidget(tip, 7, 0, 1, 4);
    grid->setColumnStretch(3, 1);
}

QWidget* CriteriaPage::BuildBounds(QWidget* parent) {
    auto* bounds = Named(new QWidget(parent), "Panel3");
    auto* grid = new QGridLayout(bounds);
    grid->setContentsMargins(0, 0, 0, 0);
    AD = Named(new QCheckBox(bounds), "AD");
    AfterDate = Picker("AfterDate", true, bounds);
    AT = Named(new QCheckBox(bounds), "AT");
    AfterTime = Picker("AfterTime", false, bounds);
    BD = Named(new QCheckBox(bounds), "BD");
    BeforeDate = Picker("BeforeDate", true, bounds);
    BT = Named(new QCheckBox(bounds), "BT");
    BeforeTime = Picker("BeforeTime", false, bounds);
    QWidget* const rows[2][4] = {{AD, AfterDate, AT, AfterTime}, {BD, BeforeDate, BT, BeforeTime}};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column)
            grid->addWidget(rows[row][column], row, column);
    grid->setColumnStretch(4, 1);
    ShowDatesIn(QLocale());
    return bounds;
}

void CriteriaPage::ShowDatesIn(const QLocale& locale) {
    const QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    // The time zone that long time formats carry means nothing for these bounds.
    const QString timeFormat = locale.timeFormat(QLocale::LongFormat).remove('t').trimmed();
    for (QDateTimeEdit* picker : {BeforeDate, AfterDate, BeforeTime, AfterTime}) {
        const bool date = picker == BeforeDate || picker == AfterDate;
        // A new format reads the value back from the text, losing the part not shown.
        const QDateTime value = picker->dateTime();
        picker->setLocale(locale);
        picker->setDisplayFormat(date ? dateFormat : timeFormat);
        picker->setDateTime(value);
    }
}

std::string CriteriaPage::Folder(const std::string& known) const {
    const QString shown = Edit2->text();
    return shown == QString::fromStdString(known) ? known : shown.toStdString();
}

std::string CriteriaPage::SearchFolder(const std::string& known, const TStringTable& texts,
                                       const std::string& sizeLimit) const {
    const auto check = [&](const std::string& folder) {
        if (folder.empty() || folder.front() != PathDelim || !IsFolder(folder))
            throw Exception(FormatMessage(texts.GetKeyText("IDS_68"), {folder}));
    };
    const std::string folder = Folder(known);
    check(folder);
    for (const auto& more : Folders->Folders())
        check(more.path);
    if (!SizeMin->InRange() || !SizeMax->InRange())
        throw Exception(sizeLimit);
    return IncludeTrailingPathDelimiter(folder);
}

void CriteriaPage::Connect(CommandRoute& route, QWidget* window) {
    Folders->Connect(route, [this, window](const std::string& start) {
        return FolderDialog::Choose(window, start.empty() ? Edit2->text().toStdString() : start);
    });
}

SearchChoices CriteriaPage::Read(const std::string& known) const {
    SearchChoices choices;
    choices.folder = Folder(known);
    choices.folderRole = CK3->isChecked() ? FolderRole::Protected : FolderRole::Searched;
    choices.moreFolders = Folders->Folders();
    choices.exclusions = Folders->Exclusions();
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

void CriteriaPage::Write(const SearchChoices& choices) {
    Edit2->setText(QString::fromStdString(choices.folder));
    CK3->setChecked(choices.folderRole == FolderRole::Protected);
    Folders->Write(choices.moreFolders, choices.exclusions);
    CK1->setChecked(choices.subfolders);
    CK2->setChecked(choices.extensionOnly);
    Edit1->setText(QString::fromStdString(choices.extension));
    Archive->setChecked(choices.archive);
    Readonly->setChecked(choices.readonly);
    Hidden->setChecked(choices.hidden);
    System->setChecked(choices.system);
    SizeMin->setValue(choices.sizeMinKB);
    SizeMax->setValue(choices.sizeMaxKB);
    SetDateRangeIndex(static_cast<int>(choices.dateRange));
    WriteBound(choices.before, BD, BeforeDate, BT, BeforeTime);
    WriteBound(choices.after, AD, AfterDate, AT, AfterTime);
    EnablePickers();
}

void CriteriaPage::EnablePickers() {
    BeforeDate->setEnabled(BD->isChecked());
    BeforeTime->setEnabled(BT->isChecked());
    AfterDate->setEnabled(AD->isChecked());
    AfterTime->setEnabled(AT->isChecked());
}

void CriteriaPage::SetBoundsToNow() {
    for (QDateTimeEdit* picker : {BeforeDate, AfterDate})
        picker->setDateTime(ToQDateTime(ReplaceDate(ToDateTime(picker->dateTime()), Now())));
    for (QDateTimeEdit* picker : {BeforeTime, AfterTime})
        picker->setDateTime(ToQDateTime(ReplaceTime(ToDateTime(picker->dateTime()), Now())));
}

int CriteriaPage::DateRangeIndex() const {
    for (int i = 0; i < 3; ++i)
        if (DateRangeItems[i]->isChecked())
            return i;
    return -1;
}

void CriteriaPage::SetDateRangeIndex(int index) {
    for (auto* item : DateRangeItems)
        item->setAutoExclusive(false);
    for (int i = 0; i < 3; ++i)
        DateRangeItems[i]->setChecked(i == index);
    for (auto* item : DateRangeItems)
        item->setAutoExclusive(true);
}

} // namespace twinsweep
