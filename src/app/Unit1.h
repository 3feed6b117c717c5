#pragma once
// The main window: it builds the widgets and binds every command to a handler, which acts on
// `session` (the whole working state) and shows what changed. A search: BT1Click hands the
// criteria to the session and shows TForm2 modally, whose showing starts FF1; FF1Found adds
// each file to the session's table, FF1Complete sorts it and calls BT2Click, which shows
// TForm3 modally; its activation calls RunScan, which scans the table into the lists while
// TForm3's cancel stays the only input taken. Later acts on the lists come through route_.
#include <QMainWindow>
#include <memory>
#include <string>

#include "CommandButtons.h"
#include "CommandRoute.h"
#include "DateTimeText.h"
#include "MainMenus.h"
#include "ResultsPage.h"
#include "Session.h"
#include "TextLines.h"
#include "WidgetTranslator.h"
#include "WindowStringTables.h"

class QTabWidget;

namespace twinsweep {

class CriteriaPage;
class SetsPage;
class SetsTab;
class ResultListsView;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TThreadTimer;

class TForm1 : public QMainWindow, public MainMenus, public CommandBar, public ResultsWidgets {
public:
    // programFolder: where "conf.dat" lives (the executable's folder in the program).
    TForm1(Host& host, std::string programFolder);
    ~TForm1() override;

    // The other four windows, created after this one; the start-up sequence needs them.
    void SetWindows(TForm2* form2, TForm3* form3, TForm4* form4, TForm5* form5);

    // Handlers (the command table).
    void FormCreate();
    void FormActivate();
    void T2Timer();
    void BT1Click();
    void FF1Found(TFileSearch& Sender, const std::string& Folder, TSearchRec& FileInfo);
    void FF1Complete(TFileSearch& Sender);
    void MnNovaClick();
    void B1Click();
    void BDClick();
    void BTClick();
    void ADClick();
    void ATClick();
    void BT2Click();
    void Chercherlesdoublons1Click();
    void LBB1Click();
    void LBB2Click();
    void LBB1DblClick();
    void LBB2DblClick();
    void Trocar1Click();
    // Opens the folder of the entry the pop-up menu was opened on.
    void OpenFolder1Click();
    void BT4Click();
    void LBB2KeyDown(int key);
    void BT9Click();
    void Ouvrirunprojet1Click();
    void BT10Click();
    void Enregistrerleprojet1Click();
    void BT5Click();
    void Planilha2Click();
    void BT6Click();
    void Pacientes1Click();
    void BT7Click();
    void Odontograma2Click();
    void BT8Click();
    void Fechar1Click();
    // Language > English, Português, Français: the language of every window, kept in
    // line 2 of "conf.dat".
    void Language1Click();
    void Language2Click();
    void Language3Click();
    // Opens a project file once the start-up sequence has run (a file named on the
    // command line).
    void OpenProjectAtStart(std::string path) { startProject_ = std::move(path); }
    // On failure `error`, when given, receives the trash's reason.
    bool DeleteFileWithUndo(const std::string& path, std::string* error = nullptr);

    // Fields of the window.
    bool ActivatedOnce = false;
    std::string SearchFolder; // the folder last chosen or searched, by its bytes
    std::string TempDir;
    TextLines LB1; // the lines of "conf.dat"

    TStringTable StringTable1 = LoadWindowStringTable("TForm1");
    std::unique_ptr<TThreadTimer> T2;
    // The criteria, the table (shown in SG1), the lists (LBB1 and LBB2 shown in the views of
    // those names) and the sets with their marks.
    Session session;
    TFileSearch& FF1 = session.Search();

    // Elements, named as the string table and the other windows know them (the menus, the
    // toolbar and the results page's parts are the bases'): the pages of the criteria, the
    // table with the result lists, and the sets of identical files.
    QTabWidget* PageControl1{};
    CriteriaPage* TB1{};
    ResultsPage* TB2{};
    SetsPage* TB3{};

    // The session's lists shown again: the entries, current ones, selection and counters.
    void ShowLists();

    // The criteria page, its folder as the field shows it, and back.
    SearchChoices ReadSearchChoices() const;
    // Why a size bound out of range stops a search.
    QString SizeLimitText() const;
    void WriteSearchChoices(const SearchChoices& choices);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectCommands();
    bool RunScan();
    // The first group current and selected, when there is one.
    void SelectFirstGroup();
    void ScanCompleted();
    // An information box titled by `titleKey` with `text`, then what the search and scan
    // could not get at, their paths behind the details button.
    void ShowReport(const char* titleKey, const std::string& text);
    // Connects an action or a button to a handler on the command route.
    template <typename Control> void Route(Control* control, void (TForm1::*handler)()) {
        route_.Connect(control, [this, handler] { (this->*handler)(); });
    }
    // Row 0 of the table, its headings, in the active language.
    void WriteTableCaptions();
    // Loads a project: the whole file is checked first, so a file that does not load
    // changes nothing.
    void LoadProjectFile(const std::string& path);
    // Start-up steps 2 to 4; false when "conf.dat" can be neither read nor made.
    bool ReadSettings();
    // Every window, Qt's own texts, the locale and the dates shown in LanguageIndex.
    void ActivateLanguage();
    void ChooseLanguage(int language);
    void DecideWelcomeWindow();

    Host& host_;
    std::string programFolder_;
    CommandRoute route_{this};
    ResultListsView* results_{};
    std::unique_ptr<SetsTab> setsTab_;
    std::string startProject_;
    TForm2* form2_ = nullptr;
    TForm3* form3_ = nullptr;
    TForm4* form4_ = nullptr;
    TForm5* form5_ = nullptr;
    std::unique_ptr<WidgetTranslator> translator_ = BindStringTable(this, StringTable1);
};

} // namespace twinsweep
