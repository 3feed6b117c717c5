#include "Unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "CriteriaPage.h"
#include "ErrorBox.h"
#include "Globals.h"
#include "LocaleFormats.h"
#include "NamedWidgets.h"
#include "ResultListsView.h"
#include "SetsPage.h"
#include "SetsTab.h"
#include "Shader.h"
#include "SizeBox.h"
#include "ThreadTimer.h"
#include "Unit2.h"
#include "Unit3.h"

namespace twinsweep {

TForm1::TForm1(Host& host, std::string programFolder)
    : session(host), host_(host), programFolder_(std::move(programFolder)) {
    setObjectName("TForm1");
    setWindowTitle("Twinsweep");
    resize(1100, 720);

    static_cast<MainMenus&>(*this) = BuildMainMenus(this, StringTable1.LangNames());
    connect(Idioma1, &QMenu::aboutToShow, this, [this] { CheckLanguage(*this, LanguageIndex); });
    CheckLanguage(*this, 1); // the built-in texts are the first language
    auto* central = Named(new QWidget(this), "PN");
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    static_cast<CommandBar&>(*this) = MakeCommandBar(this);
    layout->addWidget(Shader1);
    PageControl1 = Named(new QTabWidget(central), "PageControl1");
    TB1 = new CriteriaPage;
    TB1->SizeMin->limitText = TB1->SizeMax->limitText = [this] { return SizeLimitText(); };
    TB2 = new ResultsPage(session.Table());
    static_cast<ResultsWidgets&>(*this) = *TB2;
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

    session.SetDateFormats(FormatSettingsFor(QLocale::system()));
    FF1.SetThreaded(true);
    FF1.OnFound = std::bind_front(&TForm1::FF1Found, this);
    FF1.OnComplete = [this](TFileSearch& sender) {
        RunGuarded(this, [&] { FF1Complete(sender); });
    };
    results_ = new ResultListsView(session, StringTable1, LBB1, Ld3, LBB2, Ld4);
    TB3 = new SetsPage;
    setsTab_ = std::make_unique<SetsTab>(session, PageControl1, TB3, StringTable1, host_, this);
    setsTab_->startFolder = [this] { return SearchFolder; };
    setsTab_->listsChanged = [this] { results_->Refresh(); };
    PageControl1->addTab(TB3, "Sets");

    ConnectCommands();
    setsTab_->Connect(route_, ExportSets1);
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
