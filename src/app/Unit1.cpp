#include "Unit1.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "CommandButtons.h"
#include "CriteriaPage.h"
#include "ErrorBox.h"
#include "FileTableModel.h"
#include "LocaleFormats.h"
#include "NamedWidgets.h"
#include "ResultListsView.h"
#include "SetsPage.h"
#include "Settings.h"
#include "Shader.h"
#include "SizeBox.h"
#include "TBitmapButton.h"
#include "TableDump.h"
#include "ThreadTimer.h"
#include "Unit2.h"
#include "Unit3.h"
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

// A counter of the results page, showing "0".
TZarvoLiquidIndicator* Counter(const char* name, QWidget* parent) {
    auto* counter = new TZarvoLiquidIndicator(name, parent);
    counter->Loaded();
    counter->setIndicatorstring("0");
    return counter;
}

} // namespace

TForm1::TForm1(Host& host, std::string programFolder)
    : host_(host), programFolder_(std::move(programFolder)) {
    setObjectName("TForm1");
    setWindowTitle("Twinsweep");
    resize(1100, 720);

    BuildMenus();
    auto* central = Named(new QWidget(this), "PN");
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildToolbar());
    PageControl1 = Named(new QTabWidget(central), "PageControl1");
    TB1 = new CriteriaPage;
    TB1->SizeMin->limitText = TB1->SizeMax->limitText = [this] { return SizeLimitText(); };
    TB2 = BuildResultsPage();
    TB2->addActions({Lixeira1, Trocar1, OpenFolder1});
    PageControl1->addTab(TB1, "Search");
    PageControl1->addTab(TB2, "Results");
    layout->addWidget(PageControl1, 1);
    setCentralWidget(central);

    T2 = std::make_unique<TThreadTimer>(host_);
    T2->SetEnabled(false);
    T2->SetInterval(300);
    T2->SetOnTimer([this](TThreadTimer*) { RunGuarded(this, [this] { T2Timer(); }); });
    T2->Loaded();

    formats_ = FormatSettingsFor(QLocale::system());
    FF1 = std::make_unique<TFileSearch>(host_);
    FF1->SetThreaded(true);
    FF1->OnFound = [this](TFileSearch& sender, const std::string& folder, TSearchRec& entry) {
        FF1Found(sender, folder, entry);
    };
    FF1->OnComplete = [this](TFileSearch& sender) {
        RunGuarded(this, [&] { FF1Complete(sender); });
    };
    tableModel_ = new FileTableModel(Table, this);
    tableRefresh_ = new QTimer(this);
    tableRefresh_->setSingleShot(true);
    tableRefresh_->setInterval(50);
    connect(tableRefresh_, &QTimer::timeout, this, [this] { ShowFoundFiles(); });
    SG1->setModel(tableModel_);
    results_ = new ResultListsView(Lists, LBB1, Ld3, LBB2, Ld4);
    BuildSetsPage();
    PageControl1->addTab(TB3, "Sets");

    ConnectCommands();
    ConnectSetsCommands();
    FormCreate();
    StringTable1.Translate(); // the built-in texts are the table's first language
}

// The views go with the window's base, after the table and lists they show: hidden first,
// they ask those no more.
TForm1::~TForm1() { hide(); }

void TForm1::SetWindows(TForm2* form2, TForm3* form3, TForm4* form4, TForm5* form5) {
    form2_ = form2;
    form3_ = form3;
    form4_ = form4;
    form5_ = form5;
    form2_->FilesFound = [this] { return Table.FileCount(); };
    form3_->RunScan = [this] { return RunScan(); };
    form3_->ScanCompleted = [this] { ScanCompleted(); };
}

void TForm1::BuildMenus() {
    menuBar()->setObjectName("MainMenu1");
    Arquivo1 = Named(menuBar()->addMenu("&File"), "Arquivo1");
    MnNova = Named(Arquivo1->addAction("&New search"), "MnNova");
    Chercherlesdoublons1 = Named(Arquivo1->addAction("&Find duplicates"), "Chercherlesdoublons1");
    Lixeira1 = Named(Arquivo1->addAction("Move to the &trash"), "Lixeira1");
    Named(Arquivo1->addSeparator(), "N2");
    Ouvrirunprojet1 = Named(Arquivo1->addAction("&Open project..."), "Ouvrirunprojet1");
    Enregistrerleprojet1 = Named(Arquivo1->addAction("&Save project..."), "Enregistrerleprojet1");
    ExportSets1 = Named(Arquivo1->addAction("&Export sets..."), "ExportSets1");
    Named(Arquivo1->addSeparator(), "N4");
    Fechar1 = Named(Arquivo1->addAction("&Quit"), "Fechar1");

    Modulos1 = Named(menuBar()->addMenu("&Help"), "Modulos1");
    Planilha2 = Named(Modulos1->addAction("&Welcome"), "Planilha2");
    Odontograma2 = Named(Modulos1->addAction("&User guide"), "Odontograma2");
    Pacientes1 = Named(Modulos1->addAction("&About"), "Pacientes1");

    Idioma1 = Named(menuBar()->addMenu("&Language"), "Idioma1");
    auto* languages = new QActionGroup(Idioma1);
    QAction** items[LanguageCount] = {&Language1, &Language2, &Language3};
    static const char* const itemNames[LanguageCount] = {"Language1", "Language2", "Language3"};
    const std::vector<std::string>& names = StringTable1.LangNames(); // each in its own words
    for (int i = 0; i < LanguageCount; ++i) {
        *items[i] = Named(Idioma1->addAction(QString::fromStdString(names.at(i))), itemNames[i]);
        (*items[i])->setCheckable(true);
        (*items[i])->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | (Qt::Key_1 + i)));
        languages->addAction(*items[i]);
    }
    connect(Idioma1, &QMenu::aboutToShow, this, [this] { CheckLanguageItem(); });
    CheckLanguageItem(); // the built-in texts are the first language

    MnNova->setShortcut(QKeySequence::New);
    Ouvrirunprojet1->setShortcut(QKeySequence::Open);
    Enregistrerleprojet1->setShortcut(QKeySequence::Save);
    ExportSets1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    Fechar1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    Chercherlesdoublons1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    Planilha2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
    Odontograma2->setShortcut(QKeySequence::HelpContents);
    Pacientes1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1));

    PopupMenu1 = Named(new QMenu(this), "PopupMenu1");
    Trocar1 = Named(PopupMenu1->addAction("Swap with reference"), "Trocar1");
    OpenFolder1 = Named(PopupMenu1->addAction("Open containing folder"), "OpenFolder1");
    // The acts on the result lists answer their keys while the focus is on the results page.
    Lixeira1->setShortcut(QKeySequence::Delete);
    Trocar1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    OpenFolder1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    for (QAction* action : {Lixeira1, Trocar1, OpenFolder1})
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
}

QWidget* TForm1::BuildToolbar() {
    Shader1 = Named(new TShader(this), "Shader1");
    // Dark to light blue from left to right; ToColor lies one band past the last one.
    Shader1->SetFromColor(0x794E1F);
    Shader1->SetToColor(0xB97D3A);
    Shader1->SetSteps(64);
    Shader1->SetDirection(true);
    auto* row = new QHBoxLayout(Shader1);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(6);
    auto add = [&](TBitmapButton*& button, const char* name, const char* image) {
        button = MakeCommandButton(name, image, Shader1);
        row->addWidget(button);
    };
    add(BT1, "BT1", "search");
    add(BT2, "BT2", "compare");
    add(BT4, "BT4", "trash");
    row->addSpacing(16);
    add(BT9, "BT9", "open");
    add(BT10, "BT10", "save");
    row->addStretch(1);
    add(BT5, "BT5", "welcome");
    add(BT7, "BT7", "guide");
    add(BT6, "BT6", "about");
    add(BT8, "BT8", "quit");
    return Shader1;
}

QWidget* TForm1::BuildResultsPage() {
    auto* page = Named(new QWidget, "TB2");
    auto* layout = new QVBoxLayout(page);
    Splitter2 = Named(new QSplitter(Qt::Horizontal, page), "Splitter2");
    layout->addWidget(Splitter2);

    auto* tablePane = Named(new QWidget(Splitter2), "Panel4");
    auto* tableLayout = new QVBoxLayout(tablePane);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    auto* tableHead = new QHBoxLayout;
    tableHead->addWidget(Heading("Label3", tablePane), 1);
    Ld1 = Counter("Ld1", tablePane);
    tableHead->addWidget(Ld1);
    tableLayout->addLayout(tableHead);
    SG1 = Named(new QTableView(tablePane), "SG1");
    SG1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SG1->verticalHeader()->setDefaultSectionSize(22);
    SG1->horizontalHeader()->setDefaultSectionSize(DefaultColumnWidth);
    SG1->verticalHeader()->hide();
    SG1->setSelectionBehavior(QAbstractItemView::SelectRows);
    SG1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG1->setWordWrap(false);
    tableLayout->addWidget(SG1, 1);

    auto* lists = new QSplitter(Qt::Vertical, Splitter2);
    auto listPane = [&](const char* pane, const char* label, TZarvoLiquidIndicator*& counter,
                        const char* counterName, QListView*& list, const char* listName) {
        auto* widget = Named(new QWidget(lists), pane);
        auto* column = new QVBoxLayout(widget);
        column->setContentsMargins(0, 0, 0, 0);
        auto* head = new QHBoxLayout;
        head->addWidget(Heading(label, widget), 1);
        counter = Counter(counterName, widget);
        head->addWidget(counter);
        column->addLayout(head);
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
    return page;
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        RunGuarded(this, [this] { FormActivate(); });
    return QMainWindow::event(event);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Without a window manager the window may never be activated; its first showing counts.
    QTimer::singleShot(0, this, [this] { RunGuarded(this, [this] { FormActivate(); }); });
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    QApplication::quit();
}

} // namespace twinsweep
