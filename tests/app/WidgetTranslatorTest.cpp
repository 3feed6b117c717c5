#include "WidgetTranslator.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "Errors.h"
#include "StringTableFile.h"
#include "WindowStringTables.h"

namespace {

const char* const kTable = R"(
[Languages]
1 = "English"
2 = "Português"
3 = "Français"

[Captions]
TForm9
1 = "Main"
2 = "Principal"
3 = "Principale"
BT1
1 = "Search"
2 = "Pesquisar"
3 = "Rechercher"
Label1
1 = "Folder"
2 = "Pasta"
GroupBox1
2 = "Datas"
Menu1
2 = "Arquivo"
Action1
2 = "Abrir"
Page2
2 = "Resultados"
Ghost
2 = "Fantasma"

[Hints]
BT1
2 = "Inicia a pesquisa"
Page2
2 = "Arquivos duplicados"

[DisplayLabels]
Edit1
2 = "Pasta a pesquisar"

[Fonts]
Label1
2 = "DejaVu Serif"

[MultiLines]
CB1 items
2 = "Criado\nModificado\nAcessado"
GroupBox1 items
2 = "Antes\nDepois"
List1 items
2 = "um\ndois\ntrês"
Edit1 nosuchproperty
2 = "x"

[OtherStrings]
BT1 statusTip
2 = "Pesquisa a pasta"
Ghost text
2 = "x"

[Collections]
SG1 header 1
2 = "Pasta"
SG1 header 7
2 = "fora"
Tree1 header 0
2 = "Nome"
Tabs1 item 0
2 = "Critérios"
CB1 itemToolTip 2
2 = "Último acesso"
)";

} // namespace

class WidgetTranslatorTest : public QObject {
    Q_OBJECT

private:
    // A window like the program's, with named elements of many kinds.
    struct Window {
        QWidget form;
        QPushButton* bt1 = new QPushButton("Search", &form);
        QLabel* label1 = new QLabel("Folder", &form);
        QLineEdit* edit1 = new QLineEdit(&form);
        QGroupBox* groupBox1 = new QGroupBox("Dates", &form);
        QRadioButton* before = new QRadioButton("Before", groupBox1);
        QRadioButton* after = new QRadioButton("After", groupBox1);
        QComboBox* cb1 = new QComboBox(&form);
        QListWidget* list1 = new QListWidget(&form);
        QTabWidget* tabs1 = new QTabWidget(&form);
        QWidget* page1 = new QWidget;
        QWidget* page2 = new QWidget;
        QTableWidget* sg1 = new QTableWidget(1, 2, &form);
        QTreeWidget* tree1 = new QTreeWidget(&form);
        QMenu* menu1 = new QMenu("File", &form);
        QAction* action1 = new QAction("Open", menu1);
        twinsweep::TStringTable table = twinsweep::ParseStringTable(kTable, "TForm9.lang");
        std::unique_ptr<twinsweep::WidgetTranslator> translator =
            twinsweep::BindStringTable(&form, table);

        Window() {
            form.setObjectName("TForm9");
            form.setWindowTitle("Main");
            for (auto [object, name] :
                 std::initializer_list<std::pair<QObject*, const char*>>{{bt1, "BT1"},
                                                                         {label1, "Label1"},
                                                                         {edit1, "Edit1"},
                                                                         {groupBox1, "GroupBox1"},
                                                                         {cb1, "CB1"},
                                                                         {list1, "List1"},
                                                                         {tabs1, "Tabs1"},
                                                                         {page1, "Page1"},
                                                                         {page2, "Page2"},
                                                                         {sg1, "SG1"},
                                                                         {tree1, "Tree1"},
                                                                         {menu1, "Menu1"},
                                                                         {action1, "Action1"}})
                object->setObjectName(name);
            cb1->addItems({"Created", "Modified", "Accessed"});
            cb1->setCurrentIndex(1);
            list1->addItems({"one", "two"});
            tabs1->addTab(page1, "Criteria");
            tabs1->addTab(page2, "Results");
            sg1->setHorizontalHeaderLabels({"Name", "Folder"});
            tree1->setHeaderLabels({"Name"});
            menu1->addAction(action1);
        }
    };

private slots:
    void switchSetsEveryKindOfElement() {
        Window w;
        const QString originalFamily = w.label1->font().family();
        w.table.SetActiveLanguage(2);

        QCOMPARE(w.form.windowTitle(), QString("Principal"));
        QCOMPARE(w.bt1->text(), QString("Pesquisar"));
        QCOMPARE(w.bt1->toolTip(), QString("Inicia a pesquisa"));
        QCOMPARE(w.bt1->statusTip(), QString("Pesquisa a pasta"));
        QCOMPARE(w.label1->text(), QString("Pasta"));
        QCOMPARE(w.label1->font().family(), QString("DejaVu Serif"));
        QVERIFY(originalFamily != "DejaVu Serif");
        QCOMPARE(w.edit1->placeholderText(), QString("Pasta a pesquisar"));
        QCOMPARE(w.groupBox1->title(), QString("Datas"));
        QCOMPARE(w.before->text(), QString("Antes"));
        QCOMPARE(w.after->text(), QString("Depois"));
        QCOMPARE(w.menu1->title(), QString("Arquivo"));
        QCOMPARE(w.action1->text(), QString("Abrir"));

        // Same number of items: texts replaced, selection kept.
        QCOMPARE(w.cb1->count(), 3);
        QCOMPARE(w.cb1->itemText(0), QString("Criado"));
        QCOMPARE(w.cb1->currentIndex(), 1);
        QCOMPARE(w.cb1->itemData(2, Qt::ToolTipRole).toString(), QString("Último acesso"));
        // Another number of items: the list is rebuilt.
        QCOMPARE(w.list1->count(), 3);
        QCOMPARE(w.list1->item(2)->text(), QString("três"));

        QCOMPARE(w.tabs1->tabText(0), QString("Critérios"));
        QCOMPARE(w.tabs1->tabText(1), QString("Resultados"));
        QCOMPARE(w.tabs1->tabToolTip(1), QString("Arquivos duplicados"));
        QCOMPARE(w.sg1->horizontalHeaderItem(0)->text(), QString("Name"));
        QCOMPARE(w.sg1->horizontalHeaderItem(1)->text(), QString("Pasta"));
        QCOMPARE(w.tree1->headerItem()->text(0), QString("Nome"));

        // Missing elements, properties and items were skipped.
        QCOMPARE(w.sg1->columnCount(), 2);
        QVERIFY(!w.edit1->property("nosuchproperty").isValid());
        QVERIFY(w.form.findChild<QObject*>("Ghost") == nullptr);
    }

    void emptyTranslationKeepsCurrentText() {
        Window w;
        w.table.SetActiveLanguage(2);
        w.table.SetActiveLanguage(3);
        QCOMPARE(w.form.windowTitle(), QString("Principale"));
        QCOMPARE(w.bt1->text(), QString("Rechercher"));
        QCOMPARE(w.label1->text(), QString("Pasta")); // no French text
        QCOMPARE(w.groupBox1->title(), QString("Datas"));
    }

    void sameLanguageChangesNothingEvenAfterUserEdits() {
        Window w;
        w.table.SetActiveLanguage(2);
        w.bt1->setText("edited");
        w.cb1->setItemText(0, "edited");
        w.table.SetActiveLanguage(2);
        QCOMPARE(w.bt1->text(), QString("edited"));
        QCOMPARE(w.cb1->itemText(0), QString("edited"));
        w.table.SetActiveLanguage(1);
        QCOMPARE(w.bt1->text(), QString("Search"));
    }

    void refusedLanguageChangesNothing() {
        Window w;
        QVERIFY_THROWS_EXCEPTION(twinsweep::Exception, w.table.SetActiveLanguage(4));
        QCOMPARE(w.table.ActiveLanguage(), 1);
        QCOMPARE(w.bt1->text(), QString("Search"));
        QCOMPARE(w.form.windowTitle(), QString("Main"));
    }

    void builtInTableTranslatesTheScanWindow() {
        QWidget form;
        form.setObjectName("TForm3");
        twinsweep::TStringTable table = twinsweep::LoadWindowStringTable("TForm3");
        auto translator = twinsweep::BindStringTable(&form, table);
        table.SetActiveLanguage(3);
        QCOMPARE(form.windowTitle(), QString("Comparaison des fichiers…"));
        QCOMPARE(QString::fromStdString(table.GetKeyText("ids_0") + "120"),
                 QString("Fichiers restant à comparer\u00a0: 120"));
    }
};

QTEST_MAIN(WidgetTranslatorTest)
#include "WidgetTranslatorTest.moc"
