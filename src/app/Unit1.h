#pragma once
// The main window: search criteria, the file table, the result lists and every command.
#include <QMainWindow>
#include <memory>
#include <string>

#include "WidgetTranslator.h"
#include "WindowStringTables.h"
#include "FileSearch.h"
#include "DateTimeText.h"
#include "FileTable.h"
#include "FindDuplicates.h"
#include "ResultLists.h"
#include "TextLines.h"

class QAbstractButton;
class QAction;
class QCheckBox;
class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QRadioButton;
class QSpinBox;
class QSplitter;
class QTabWidget;
class QTimer;
class QTableView;
class QToolButton;

namespace twinsweep {

class CommandButton;
class CounterDisplay;
class FileTableModel;
class GradientPanel;
class Host;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TextListModel;
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
    // On failure `error`, when given, receives the trash's reason.
    bool DeleteFileWithUndo(const std::string& path, std::string* error = nullptr);

    // Fields of the window.
    bool ActivatedOnce = false;
    std::string SearchFolder;
    std::string TempDir;
    TextLines LB1; // the lines of "conf.dat"
    TextLines LB0;
    TextLines LB00;

    TStringTable StringTable1 = LoadWindowStringTable("TForm1");
    std::unique_ptr<TThreadTimer> T2;
    std::unique_ptr<TFileSearch> FF1;
    FileTable Table;  // shown in SG1
    ResultLists Lists; // shown in LBB1 and LBB2

    // Elements, named as the string table and the other windows know them.
    QMenu* Arquivo1 = nullptr;
    QMenu* Modulos1 = nullptr;
    QAction* MnNova = nullptr;
    QAction* Chercherlesdoublons1 = nullptr;
    QAction* Ouvrirunprojet1 = nullptr;
    QAction* Enregistrerleprojet1 = nullptr;
    QAction* Fechar1 = nullptr;
    QAction* Planilha2 = nullptr;
    QAction* Pacientes1 = nullptr;
    QAction* Odontograma2 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Trocar1 = nullptr;

    CommandButton* BT1 = nullptr;
    CommandButton* BT2 = nullptr;
    CommandButton* BT4 = nullptr;
    CommandButton* BT5 = nullptr;
    CommandButton* BT6 = nullptr;
    CommandButton* BT7 = nullptr;
    CommandButton* BT8 = nullptr;
    CommandButton* BT9 = nullptr;
    CommandButton* BT10 = nullptr;
    QToolButton* B1 = nullptr;

    QTabWidget* PageControl1 = nullptr;
    QWidget* TB1 = nullptr;
    QWidget* TB2 = nullptr;

    QLineEdit* Edit2 = nullptr;
    QCheckBox* CK2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QCheckBox* CK1 = nullptr;
    QGroupBox* Attributes = nullptr;
    QCheckBox* Archive = nullptr;
    QCheckBox* Readonly = nullptr;
    QCheckBox* Hidden = nullptr;
    QCheckBox* System = nullptr;
    QGroupBox* FileSize = nullptr;
    QSpinBox* SizeMin = nullptr;
    QSpinBox* SizeMax = nullptr;
    QGroupBox* DateRangeChoice = nullptr;
    QRadioButton* DateRangeItems[3] = {};
    QCheckBox* BD = nullptr;
    QDateTimeEdit* BeforeDate = nullptr;
    QCheckBox* BT = nullptr;
    QDateTimeEdit* BeforeTime = nullptr;
    QCheckBox* AD = nullptr;
    QDateTimeEdit* AfterDate = nullptr;
    QCheckBox* AT = nullptr;
    QDateTimeEdit* AfterTime = nullptr;

    QTableView* SG1 = nullptr;
    QListView* LBB1 = nullptr;
    QListView* LBB2 = nullptr;
    QSplitter* Splitter2 = nullptr;
    CounterDisplay* Ld1 = nullptr;
    CounterDisplay* Ld3 = nullptr;
    CounterDisplay* Ld4 = nullptr;
    GradientPanel* Shader1 = nullptr;

    // The criteria controls and SearchFolder, and back.
    SearchChoices ReadSearchChoices() const;
    void WriteSearchChoices(const SearchChoices& choices);

    // The index of the chosen DateRangeChoice item, -1 when none.
    int DateRangeIndex() const;
    void SetDateRangeIndex(int index);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    QWidget* BuildToolbar();
    QWidget* BuildCriteriaPage();
    QWidget* BuildResultsPage();
    void ConnectCommands();
    void ConnectResultLists();
    bool RunScan();
    void ScanCompleted();
    // Show the lists' state in LBB1 and LBB2.
    void ShowLists();
    void ShowCurrentReference();
    void ShowDuplicateSelection();
    // Tells the user which chosen duplicates stayed, and why.
    void ReportKeptDuplicates(const std::vector<KeptDuplicate>& kept);
    // The handler, run through the error box wrapper.
    std::function<void()> Guarded(void (TForm1::*handler)());
    // Connects a handler so that it runs through the error box wrapper.
    void Route(QAction* action, void (TForm1::*handler)());
    void Route(QAbstractButton* button, void (TForm1::*handler)());
    void ResetTableAndLists();
    void ShowFoundFiles();
    void FitTableColumns();
    bool ReadSettings(); // start-up steps 2 to 4; false when "conf.dat" can be neither read nor made
    void ActivateLanguage();
    void SetDefaultDates();
    void DecideWelcomeWindow();

    Host& host_;
    std::string programFolder_;
    TFormatSettings formats_;
    FileTableModel* tableModel_ = nullptr;
    QTimer* tableRefresh_ = nullptr;
    TextListModel* referencesModel_ = nullptr;
    TextListModel* duplicatesModel_ = nullptr;
    bool showingLists_ = false; // the views are being set from Lists, not by the user
    TForm2* form2_ = nullptr;
    TForm3* form3_ = nullptr;
    TForm4* form4_ = nullptr;
    TForm5* form5_ = nullptr;
    std::unique_ptr<WidgetTranslator> translator_ = BindStringTable(this, StringTable1);
};

} // namespace twinsweep
