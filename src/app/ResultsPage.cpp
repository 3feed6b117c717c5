#include "ResultsPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "FileTableModel.h"
#include "NamedWidgets.h"
#include "TableDump.h"
#include "ZarvoLiquidIndicator.h"

namespace twinsweep {

namespace {

QLabel* Heading(const char* name, QWidget* parent) {
    QLabel* label = NamedLabel(name, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// A counter showing "0", right of a heading.
TZarvoLiquidIndicator* HeadedCounter(const char* heading, const char* name, QWidget* parent,
                                     QVBoxLayout* column) {
    auto* head = new QHBoxLayout;
    head->addWidget(Heading(heading, parent), 1);
    auto* counter = new TZarvoLiquidIndicator(name, parent);
    counter->Loaded();
    counter->setIndicatorstring("0");
    head->addWidget(counter);
    column->addLayout(head);
    return counter;
}

} // namespace

ResultsPage::ResultsPage(const FileTable& table, QWidget* parent)
    : QWidget(parent), table_(table), model_(new FileTableModel(table, this)),
      refresh_(new QTimer(this)) {
    setObjectName("TB2");
    auto* layout = new QVBoxLayout(this);
    Splitter2 = Named(new QSplitter(Qt::Horizontal, this), "Splitter2");
    layout->addWidget(Splitter2);

    auto* tablePane = Named(new QWidget(Splitter2), "Panel4");
    auto* tableLayout = new QVBoxLayout(tablePane);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    Ld1 = HeadedCounter("Label3", "Ld1", tablePane, tableLayout);
    SG1 = Named(new QTableView(tablePane), "SG1");
    SG1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SG1->verticalHeader()->setDefaultSectionSize(22);
    SG1->horizontalHeader()->setDefaultSectionSize(DefaultColumnWidth);
    SG1->verticalHeader()->hide();
    SG1->setSelectionBehavior(QAbstractItemView::SelectRows);
    SG1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG1->setWordWrap(false);
    SG1->setModel(model_);
    refresh_->setSingleShot(true);
    refresh_->setInterval(50);
    connect(refresh_, &QTimer::timeout, this, [this] { ShowTableBottom(); });
    tableLayout->addWidget(SG1, 1);

    auto* lists = new QSplitter(Qt::Vertical, Splitter2);
    auto listPane = [&](const char* pane, const char* label, TZarvoLiquidIndicator*& counter,
                        const char* counterName, QListView*& list, const char* listName) {
        auto* widget = Named(new QWidget(lists), pane);
        auto* column = new QVBoxLayout(widget);
        column->setContentsMargins(0, 0, 0, 0);
        counter = HeadedCounter(label, counterName, widget, column);
        list = Named(new QListView(widget), listName);
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        list->setUniformItemSizes(true);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        column->addWidget(list, 1);
    };
    listPane("Panel5", "Label21", Ld3, "Ld3", LBB1, "LBB1");
    listPane("Panel6", "Label23", Ld4, "Ld4", LBB2, "LBB2");
    LBB2->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Splitter2->setStretchFactor(0, 3);
    Splitter2->setStretchFactor(1, 2);
}

void ResultsPage::ShowTable() {
    refresh_->stop();
    model_->TableReset();
    Ld1->setIndicatorstring(QString::number(table_.FileCount()));
}

void ResultsPage::ShowTableBottom() {
    refresh_->stop();
    model_->RowsChangedAtBottom();
    Ld1->setIndicatorstring(QString::number(table_.FileCount()));
}

void ResultsPage::FileAdded() {
    if (!refresh_->isActive())
        refresh_->start();
}

void ResultsPage::FitColumns() { FitTableColumns(SG1, table_); }

ColumnWidths ResultsPage::Widths() const {
    ColumnWidths widths;
    for (int column = 0; column < FileTable::ColumnCount; ++column)
        widths[static_cast<size_t>(column)] = SG1->columnWidth(column);
    return widths;
}

void ResultsPage::SetWidths(const ColumnWidths& widths) {
    for (int column = 0; column < FileTable::ColumnCount; ++column)
        SG1->setColumnWidth(column, widths[static_cast<size_t>(column)]);
}

void ResultsPage::TableTextsChanged() { model_->TextsChanged(); }

} // namespace twinsweep
