#include "ProjectWindowTest.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeView>

#include "DateTime.h"
#include "ErrorBox.h"
#include "PickerValues.h"
#include "ProjectDialogs.h"
#include "SetsPage.h"
#include "TestWindows.h"

using namespace twinsweep;

namespace {

// The chooser answers with `path`, or cancels when it is empty.
ScopedHook<ProjectFileChooser> Choosing(const std::string& path) {
    return {CurrentProjectFileChooser(), [path](QWidget*, ProjectDialog, const TStringTable&) {
                return path.empty() ? std::nullopt : std::optional(path);
            }};
}

// A window with criteria, two groups, an LL2 entry and the rows a cancelled scan left.
void FillState(TForm1& form) {
    form.TB1->CK2->setChecked(true);
    form.TB1->Edit1->setText("jpg");
    form.TB1->AD->click();
    ResultLists lists = TestLists({"/r0", "/r1 \xff"}, {"0", "1", "1"}, {"/a", "/-b", "/c\td"});
    lists.LL2 = {"kept"};
    form.session.Adopt(std::move(lists));
    FileTable table;
    table.Reset({"N", "F", "S", "D"});
    table.Append("/f", "x y", 12, "1/2/2003");
    table.Append("/f", "z", 12, "1/2/2003");
    form.session.Adopt(std::move(table));
    form.SG1->setColumnWidth(1, 222);
}

void ExpectSameState(TForm1& actual, TForm1& expected) {
    QVERIFY(actual.ReadSearchChoices().extension == expected.ReadSearchChoices().extension);
    QCOMPARE(actual.TB1->CK2->isChecked(), expected.TB1->CK2->isChecked());
    QCOMPARE(actual.TB1->AD->isChecked(), expected.TB1->AD->isChecked());
    QCOMPARE(actual.session.Lists().LBB1, expected.session.Lists().LBB1);
    QCOMPARE(actual.session.Lists().LL1, expected.session.Lists().LL1);
    QCOMPARE(actual.session.Lists().LBB2, expected.session.Lists().LBB2);
    QCOMPARE(actual.session.Lists().LL2, expected.session.Lists().LL2);
    QCOMPARE(actual.session.Table().RowCount(), expected.session.Table().RowCount());
    for (int row = 1; row < actual.session.Table().RowCount();
         ++row) // row 0: the window's headings
        QVERIFY(actual.session.Table().RowAt(row) == expected.session.Table().RowAt(row));
}

} // namespace

void ProjectWindowTest::theWholeStateSavesAndLoadsBack() {
    TestWindows saving;
    FillState(saving.form1);
    const std::string path = saving.folder.path("state.twinsweep");
    {
        const auto chooser = Choosing(path);
        QVERIFY(AnswerMessageBoxes([&] { saving.form1.BT10->click(); }).isEmpty());
    }
    TestWindows loading;
    {
        const auto cancelled = Choosing("");
        loading.form1.BT9->click();
        QVERIFY(loading.form1.session.Lists().LBB1.empty());
        const auto chooser = Choosing(path);
        QVERIFY(AnswerMessageBoxes([&] { loading.form1.BT9->click(); }).isEmpty());
    }
    ExpectSameState(loading.form1, saving.form1);
    TForm1& form = loading.form1;
    QVERIFY(form.TB1->AfterDate->isEnabled()); // the check box's command ran
    QCOMPARE(form.SG1->columnWidth(1), 222);
    QCOMPARE(form.Ld1->Indicatorstring(), QString("2"));
    QCOMPARE(form.Ld3->Indicatorstring(), QString("2"));
    QCOMPARE(form.Ld4->Indicatorstring(), QString("3"));
    QCOMPARE(form.PageControl1->currentWidget(), form.TB2);
    QCOMPARE(form.session.Lists().current1, 0); // the first group is selected
    QVERIFY(form.session.Lists().IsSelected(0) && !form.session.Lists().IsSelected(1));
    QCOMPARE(form.LBB2->selectionModel()->selectedRows().size(), 1);
}

void ProjectWindowTest::aFileThatDoesNotLoadChangesNothing() {
    TestWindows app;
    TForm1& form = app.form1;
    FillState(form);
    const std::string path = app.folder.write("bad.twinsweep", "1\r\n0\r\n");
    TestWindows before;
    FillState(before.form1);
    const auto chooser = Choosing(path);
    QCOMPARE(AnswerMessageBoxes([&] { form.BT9->click(); }),
             QStringList{"List index out of bounds (2)"});
    ExpectSameState(form, before.form1);

    // A line break cannot be saved: the rest is, and the user is told which name is not.
    ShowStarted(form);
    ResultLists lists = form.session.Lists();
    lists.LBB2.Set(1, "/two\nlines");
    form.session.Adopt(std::move(lists));
    QStringList details;
    const QStringList shown = AnswerMessageBoxesWith(
        QMessageBox::Ok, [&] { KeyThroughWindow(&form, Qt::Key_S, Qt::ControlModifier); },
        &details);
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].contains("1 file whose name holds a line break"));
    QCOMPARE(details, QStringList{"/two\\nlines"});
    QVERIFY(app.folder.read("bad.twinsweep").find("/two") == std::string::npos);
}

void ProjectWindowTest::aProjectNamedAtStartOpensAfterTheStartUp() {
    TestWindows saving;
    FillState(saving.form1);
    const std::string path = saving.folder.path("start.twinsweep");
    {
        const auto chooser = Choosing(path);
        saving.form1.BT10Click();
    }
    TestWindows app;
    app.writeSettings("0\r\n1\r\n");
    app.form1.OpenProjectAtStart(path);
    app.form1.T2Timer();
    ExpectSameState(app.form1, saving.form1);

    TestWindows failing;
    failing.writeSettings("0\r\n1\r\n");
    failing.form1.OpenProjectAtStart(saving.folder.path("missing"));
    const QStringList shown =
        AnswerMessageBoxes([&] { RunGuarded(&failing.form1, [&] { failing.form1.T2Timer(); }); });
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].startsWith("Cannot open file"));
    QVERIFY(failing.form1.session.Lists().LBB1.empty());
}

void ProjectWindowTest::aProjectSavedInOneLanguageLoadsInAnother() {
    // English shows the month first, French the day: the file must not follow either.
    const TDateTime date = EncodeDate(2006, 4, 5), time = EncodeTime(13, 7, 8, 0);
    TestWindows english, french;
    english.writeSettings("0\r\n1\r\n");
    english.form1.T2Timer();
    french.writeSettings("0\r\n3\r\n");
    french.form1.T2Timer();
    for (auto [from, to] : {std::pair{&english, &french}, std::pair{&french, &english}}) {
        CriteriaPage& saved = *from->form1.TB1;
        saved.AfterDate->setDateTime(ToQDateTime(date + EncodeTime(1, 2, 3, 0)));
        saved.BeforeTime->setDateTime(ToQDateTime(EncodeDate(2001, 2, 3) + time));
        const std::string path = from->folder.path("dates.twinsweep");
        {
            const auto chooser = Choosing(path);
            QVERIFY(AnswerMessageBoxes([&] { from->form1.BT10->click(); }).isEmpty());
        }
        const TextLines lines = ReadTextLines(path);
        QCOMPARE(lines.at(6), std::string("05/04/2006"));
        QCOMPARE(lines.at(11), std::string("13:07:08"));
        CriteriaPage& loaded = *to->form1.TB1;
        loaded.AfterDate->setDateTime(ToQDateTime(EncodeDate(2020, 1, 1)));
        loaded.BeforeTime->setDateTime(ToQDateTime(EncodeDate(2020, 1, 1)));
        {
            const auto chooser = Choosing(path);
            QVERIFY(AnswerMessageBoxes([&] { to->form1.BT9->click(); }).isEmpty());
        }
        QCOMPARE(DecodeDate(ToDateTime(loaded.AfterDate->dateTime())), (DateParts{2006, 4, 5}));
        QCOMPARE(DecodeTime(ToDateTime(loaded.BeforeTime->dateTime())), (TimeParts{13, 7, 8, 0}));
        QCOMPARE(to->form1.SG1->model()->headerData(0, Qt::Horizontal).toString(),
                 QString::fromStdString(to->form1.StringTable1.GetKeyText("IDS_0")));
    }
}

void ProjectWindowTest::aSearchAfterOpeningAProjectListsOnlyItsOwnFiles() {
    TestWindows app;
    TForm1& form = app.form1;
    ShowStarted(form);
    TestFolder first, second;
    first.write("old", "old pair");
    first.write("old copy", "old pair");
    second.write("new", "new pair");
    second.write("new copy", "new pair");
    SearchAndScan(app, first.path());
    const std::string path = app.folder.path("first.twinsweep");
    {
        const auto chooser = Choosing(path);
        QVERIFY(AnswerMessageBoxes([&] {
                    KeyThroughWindow(&form, Qt::Key_S, Qt::ControlModifier);
                    KeyThroughWindow(&form, Qt::Key_O, Qt::ControlModifier);
                }).isEmpty());
    }
    QCOMPARE(form.session.Lists().LBB1.size(), size_t(1));
    SearchAndScan(app, second.path());
    QVERIFY(form.session.Lists().OneStore());
    TextLines listed{std::string(form.session.Lists().LBB1[0]),
                     std::string(form.session.Lists().LBB2[0])};
    std::sort(listed.begin(), listed.end());
    QCOMPARE(listed, (TextLines{second.path("new"), second.path("new copy")}));
    form.PageControl1->setCurrentWidget(form.TB3);
    QCOMPARE(form.TB3->SetsTree->model()->rowCount(), 1);
    {
        const auto chooser = Choosing(path);
        QVERIFY(AnswerMessageBoxes([&] {
                    KeyThroughWindow(&form, Qt::Key_S, Qt::ControlModifier);
                }).isEmpty());
    }
    const std::string saved = app.folder.read("first.twinsweep");
    QVERIFY(saved.find(second.path("new copy")) != std::string::npos);
    QVERIFY(saved.find(first.path("old")) == std::string::npos);
}
