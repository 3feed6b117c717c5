#pragma once
// The main window: search criteria, the file table, the result lists and every command.
//
// The window holds no working state of its own: `session` does, and every handler reads and
// changes it through the session's acts, then shows what changed.
//
// A search across the windows: BT1Click hands the criteria page to the session, which
// configures FF1 from it, and shows TForm2 modally; TForm2's showing starts FF1, whose
// FF1Found adds each file to the session's table and whose FF1Complete finishes (sorts) it
// and calls BT2Click. That shows TForm3 modally; its activation calls RunScan, which scans
// the table into the lists while TForm3's cancel stays the only input taken. The lists are
// then shown through ResultListsView, and every later act on them comes through route_.
#include <QMainWindow>
#include <memory>
#include <string>

#include "CommandRoute.h"
#include "DateTimeText.h"
#include "Session.h"
#include "TextLines.h"
#include "WidgetTranslator.h"
#include "WindowStringTables.h"

class QAbstractButton;
class QAction;
class QListView;
class QMenu;
class QSplitter;
class QTabWidget;
class QTimer;
class QTableView;

namespace twinsweep {

class TBitmapButton;
class TZarvoLiquidIndicator;
class CriteriaPage;
class SetsPage;
class ResultsPage;
class SetsModel;
class ResultListsView;
class FileTableModel;
class TShader;
class Host;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TThreadTimer;

class TForm1 : public QMainWindow {
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
    // The sets page.
    void KeepNewestClick();
    void KeepOldestClick();
    void KeepShortestClick();
    void KeepInFolderClick();
    void ClearMarksClick();
    void TrashMarkedClick();
    void SetsOpen1Click();
    void SetsOpenFolder1Click();
    void ExportSets1Click();
    // The sets of the lists shown on their page, when the lists changed since.
    void ShowSets();
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

    // Elements, named as the string table and the other windows know them.
    QMenu* Arquivo1 = nullptr;
    QMenu* Modulos1 = nullptr;
    QMenu* Idioma1 = nullptr; // the languages, each named in its own words
    QAction* MnNova = nullptr;
    QAction* Chercherlesdoublons1 = nullptr;
    QAction* Lixeira1 = nullptr; // File > Move to the trash (BT4): the selected duplicates, or the
                                 // marks on the Sets tab
    QAction* Ouvrirunprojet1 = nullptr;
    QAction* Enregistrerleprojet1 = nullptr;
    QAction* ExportSets1 = nullptr;
    QAction* Fechar1 = nullptr;
    QAction* Planilha2 = nullptr;    // Help > Welcome (shows TForm5)
    QAction* Pacientes1 = nullptr;   // Help > About (shows TForm4)
    QAction* Odontograma2 = nullptr; // Help > User guide (opens the guide)
    QAction* Language1 = nullptr;
    QAction* Language2 = nullptr;
    QAction* Language3 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Trocar1 = nullptr;
    QAction* OpenFolder1 = nullptr;

    TBitmapButton* BT1 = nullptr;
    TBitmapButton* BT2 = nullptr;
    TBitmapButton* BT4 = nullptr;
    TBitmapButton* BT5 = nullptr;
    TBitmapButton* BT6 = nullptr;
    TBitmapButton* BT7 = nullptr;
    TBitmapButton* BT8 = nullptr;
    TBitmapButton* BT9 = nullptr;
    TBitmapButton* BT10 = nullptr;

    QTabWidget* PageControl1 = nullptr;
    CriteriaPage* TB1 = nullptr; // the criteria
    ResultsPage* TB2 = nullptr;  // the table and the result lists
    SetsPage* TB3 = nullptr;     // the sets of identical files

    QTableView* SG1 = nullptr;
    QListView* LBB1 = nullptr;
    QListView* LBB2 = nullptr;
    QSplitter* Splitter2 = nullptr;
    TZarvoLiquidIndicator* Ld1 = nullptr;
    TZarvoLiquidIndicator* Ld3 = nullptr;
    TZarvoLiquidIndicator* Ld4 = nullptr;
    TShader* Shader1 = nullptr;

    // Shows the session's lists again as a whole: the views, their current entries, the
    // selection and the counters.
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
    void BuildMenus();
    void BuildSetsPage();
    void ConnectSetsCommands();
    void ShowSetsTotal();
    // A check box of the sets page: false when the mark was refused (and the user told).
    bool MarkRequested(size_t set, size_t member, bool marked);
    void MarkAllButOne(KeepRule rule, const std::string& folder = {});
    // The sets' marks changed: their boxes and the totals below.
    void ShowMarks();
    // The file of the sets page's current row, or nothing.
    std::string CurrentSetsFile() const;
    void ConnectCommands();
    bool RunScan();
    // The first group current and selected, when there is one.
    void SelectFirstGroup();
    void ScanCompleted();
    // Connects a control to a handler on the command route.
    void Route(QAction* action, void (TForm1::*handler)()) {
        route_.Connect(action, [this, handler] { (this->*handler)(); });
    }
    void Route(QAbstractButton* button, void (TForm1::*handler)()) {
        route_.Connect(button, [this, handler] { (this->*handler)(); });
    }
    // The empty table and lists of a new search.
    void ShowNewSearch();
    FileTable::Row TableCaptions() const;
    // Row 0 of the table, its headings, in the active language.
    void WriteTableCaptions();
    // Loads a project: the whole file is checked first, so a file that does not load
    // changes nothing.
    void LoadProjectFile(const std::string& path);
    void ShowFoundFiles();
    // Start-up steps 2 to 4; false when "conf.dat" can be neither read nor made.
    bool ReadSettings();
    // Every window, Qt's own texts, the locale and the dates shown in LanguageIndex.
    void ActivateLanguage();
    void ChooseLanguage(int language);
    // The Language menu's check mark on LanguageIndex, also when a choice was dropped.
    void CheckLanguageItem();
    // The criteria of the last search, kept between runs in the user's settings folder.
    void RestoreLastSearch();
    void KeepLastSearch() const;
    void DecideWelcomeWindow();

    Host& host_;
    std::string programFolder_;
    TFormatSettings formats_; // the active language's, for the table's dates
    CommandRoute route_{this};
    FileTableModel* tableModel_ = nullptr;
    QTimer* tableRefresh_ = nullptr;
    ResultListsView* results_ = nullptr;
    SetsModel* setsModel_ = nullptr;
    uint64_t setsShown_ = 0; // the generation of the sets the page shows
    std::string startProject_;
    TForm2* form2_ = nullptr;
    TForm3* form3_ = nullptr;
    TForm4* form4_ = nullptr;
    TForm5* form5_ = nullptr;
    std::unique_ptr<WidgetTranslator> translator_ = BindStringTable(this, StringTable1);
};

} // namespace twinsweep
