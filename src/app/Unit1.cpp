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
#include "ResultsPage.h"
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

TForm1::TForm1(Host& host, std::string programFolder)
    : session(host), host_(host), programFolder_(std::move(programFolder)) {
    setObjectName("TForm1");
    setWindowTitle("Twinsweep");
    resize(1100, 720);

    BuildMenus();
    auto* central = Named(new QWidget(this), "PN");
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const CommandBar bar = MakeCommandBar(this);
    std::tie(Shader1, BT1, BT2, BT4, BT9, BT10, BT5, BT7, BT6, BT8) =
        std::tie(bar.Shader1, bar.BT1, bar.BT2, bar.BT4, bar.BT9, bar.BT10, bar.BT5, bar.BT7,
                 bar.BT6, bar.BT8);
    layout->addWidget(Shader1);
    PageControl1 = Named(new QTabWidget(central), "PageControl1");
    TB1 = new CriteriaPage;
    TB1->SizeMin->limitText = TB1->SizeMax->limitText = [this] { return SizeLimitText(); };
    TB2 = new ResultsPage;
    std::tie(Splitter2, SG1, Ld1, LBB1, Ld3, LBB2, Ld4) =
        std::tie(TB2->Splitter2, TB2->SG1, TB2->Ld1, TB2->LBB1, TB2->Ld3, TB2->LBB2, TB2->Ld4);
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
    session.SetDateFormats(formats_);
    FF1.SetThreaded(true);
    FF1.OnFound = [this](TFileSearch& sender, const std::string& folder, TSearchRec& entry) {
        FF1Found(sender, folder, entry);
    };
    FF1.OnComplete = [this](TFileSearch& sender) {
        RunGuarded(this, [&] { FF1Complete(sender); });
    };
    tableModel_ = new FileTableModel(session.Table(), this);
    tableRefresh_ = new QTimer(this);
    tableRefresh_->setSingleShot(true);
    tableRefresh_->setInterval(50);
    connect(tableRefresh_, &QTimer::timeout, this, [this] { ShowFoundFiles(); });
    SG1->setModel(tableModel_);
    results_ = new ResultListsView(session, LBB1, Ld3, LBB2, Ld4);
    BuildSetsPage();
    PageControl1->addTab(TB3, "Sets");

    ConnectCommands();
    ConnectSetsCommands();
    FormCreate();
    StringTable1.Translate(); // the built-in texts are the table's first language
    WriteTableCaptions();
}

// The views go with the window's base, after the table and lists they show: hidden first,
// they ask those no more.
TForm1::~TForm1() { hide(); }

void TForm1::SetWindows(TForm2* form2, TForm3* form3, TForm4* form4, TForm5* form5) {
    form2_ = form2;
    form3_ = form3;
    form4_ = form4;
    form5_ = form5;
    form2_->FilesFound = [this] { return session.Table().FileCount(); };
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
