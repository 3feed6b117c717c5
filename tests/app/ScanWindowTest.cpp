#include "ScanWindowTest.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <set>

#include "ByteSizeText.h"
#include "DuplicateScan.h"
#include "Errors.h"
#include "Paths.h"
#include "ShellAccess.h"
#include "TestWindows.h"

using namespace twinsweep;
namespace fs = std::filesystem;

namespace {

std::vector<int> SelectedRows(QListView* list) {
    std::vector<int> rows;
    for (const QModelIndex& index : list->selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QString Key(TestWindows& app, const char* key) {
    return QString::fromStdString(app.form1.StringTable1.GetKeyText(key));
}

// The report's lines on the sets of identical files, in English.
QString SetsLines(const QString& sets, int extra, int64_t freeable) {
    return sets + "\n" + QLocale(QLocale::English).toString(extra) +
           (extra == 1 ? " extra copy" : " extra copies") + " could go to the trash, freeing " +
           ByteSizeText(freeable) + ".";
}

// A folder with three identical files, a pair, and files alone in their size or content.
void WriteGroups(const TestFolder& tree) {
    tree.write("a/1.txt", "triple");
    tree.write("b/2.txt", "triple");
    tree.write("c/3.txt", "triple");
    tree.write("p/x.bin", "pair of files");
    tree.write("q/y.bin", "pair of files");
    tree.write("alone.txt", "single");
    tree.write("other.txt", "Triple");
    tree.write("empty1", "");
    tree.write("empty2", "");
}

// The groups searched and scanned, then the main window shown.
void ShowScannedGroups(TestWindows& app, const TestFolder& tree) {
    WriteGroups(tree);
    SearchAndScan(app, tree.path());
    ShowStarted(app.form1);
}

} // namespace

void ScanWindowTest::searchEndsInTheReportWithTheFirstGroupSelected() {
    TestWindows app;
    TestFolder tree;
    WriteGroups(tree);
    const QStringList shown = SearchAndScan(app, tree.path());
    // The pair frees 13 bytes, the triple twice 6.
    QCOMPARE(shown, QStringList{"4 duplicate pairs found.\n" +
                                SetsLines("2 sets of identical files.", 3, 25)});
    QCOMPARE(app.form1.session.Lists().LBB1.size(), size_t(3)); // the pair, then two for the triple
    QCOMPARE(app.form1.session.Lists().LBB2.size(), size_t(4));
    QVERIFY(app.form1.session.Table().IsEmpty());
    QCOMPARE(app.form1.Ld1->Indicatorstring(), QString("0"));
    QCOMPARE(app.form1.Ld3->Indicatorstring(), QString("3"));
    QCOMPARE(app.form1.Ld4->Indicatorstring(), QString("4"));
    QCOMPARE(app.form1.LBB1->currentIndex().row(), 0);
    QCOMPARE(SelectedRows(app.form1.LBB2), std::vector<int>{0});
    QVERIFY(!app.form3->isVisible());
    QCOMPARE(app.form3->La2->text(),
             QString::fromStdString(app.form3->StringTable1.GetKeyText("IDS_0")) + "0");
    // Five files of 6 bytes and two of 13 were compared; the empty ones never are.
    QCOMPARE(app.form3->La3->text(),
             QString::fromStdString(FormatMessage(app.form3->StringTable1.GetKeyText("IDS_1"),
                                                  {"56 bytes", "56 bytes", "100"})));
    QCOMPARE(app.form3->Bar1->value(), 100);
}

void ScanWindowTest::reportNamesNoneOneOrTheCount() {
    TestWindows app;
    TestFolder none, one;
    none.write("a", "1");
    none.write("b", "2");
    one.write("a", "same");
    one.write("b", "same");
    QCOMPARE(SearchAndScan(app, none.path()), QStringList{Key(app, "IDS_11")});
    QCOMPARE(SearchAndScan(app, one.path()),
             QStringList{"1 duplicate pair found.\n1 set of identical files.\n"
                         "1 extra copy could go to the trash, freeing 4 bytes."});
}

void ScanWindowTest::reportAndSizesFollowTheActiveLanguage() {
    TestWindows app;
    app.writeSettings("0\r\n3\r\n");
    app.form1.T2Timer();
    TestFolder tree;
    WriteGroups(tree);
    QCOMPARE(SearchAndScan(app, tree.path()),
             QStringList{"4 paires de doublons trouvées.\n2 ensembles de fichiers identiques.\n"
                         "3 copies en trop pourraient aller à la corbeille, libérant 25 octets."});
    QCOMPARE(ByteSizeText(1500), QString("1,5 ko"));
    LanguageIndex = 2;
    QCOMPARE(ByteSizeText(5'000'000'000), QString("5,0 GB"));
    LanguageIndex = 1;
    QCOMPARE(ByteSizeText(1'500'000), QString("1.5 MB"));
}

void ScanWindowTest::cancelledScanResumesToTheUninterruptedLists() {
    TestWindows app;
    TestFolder tree;
    // Enough files that recording their pairs outlasts the interval between two looks at
    // the window's messages, however fast the comparison before it.
    constexpr int files = 3000;
    for (int i = 0; i < files; ++i)
        tree.write("f" + std::to_string(i), "identical content");
    // The table a search leaves, and what an uninterrupted scan makes of it.
    const auto scan = app.form3->RunScan;
    app.form3->RunScan = [&] { // as if cancelled at once
        app.form3->T1->start();
        return false;
    };
    SearchAndScan(app, tree.path());
    app.form3->RunScan = scan;
    FileTable table = app.form1.session.Table();
    ResultLists expected;
    RunDuplicateScan(table, expected, {});

    // Cancel once the scan has found something.
    QTimer canceller;
    canceller.setInterval(1);
    QObject::connect(&canceller, &QTimer::timeout, [&] {
        if (!app.form1.session.Lists().LBB2.empty() && app.form3->isVisible()) {
            ClickThroughWindow(app.form3->SpeedButton1);
            canceller.stop();
        }
    });
    canceller.start();
    QStringList shown = AnswerMessageBoxes([&] { app.form1.BT2->click(); });
    QVERIFY(!app.form1.session.Table().IsEmpty());
    QVERIFY(app.form1.session.Lists().LBB2.size() < expected.LBB2.size());
    // One set so far, of every file the lists name: all but one of them can go.
    std::set<std::string> listed;
    for (const PathList* list : {&app.form1.session.Lists().LBB1, &app.form1.session.Lists().LBB2})
        for (const std::string& path : list->Texts())
            listed.insert(path);
    const int64_t content = std::string("identical content").size();
    QCOMPARE(shown, QStringList{Key(app, "IDS_31") + "\n" +
                                SetsLines("1 set of identical files.", int(listed.size() - 1),
                                          int64_t(listed.size() - 1) * content)});

    shown = AnswerMessageBoxes([&] { app.form1.Chercherlesdoublons1->trigger(); });
    QCOMPARE(shown,
             QStringList{QLocale(QLocale::English).toString(qulonglong(expected.LBB2.size())) +
                         " duplicate pairs found.\n" +
                         SetsLines("1 set of identical files.", files - 1, (files - 1) * content)});
    QCOMPARE(app.form1.session.Lists().LBB1, expected.LBB1);
    QCOMPARE(app.form1.session.Lists().LBB2, expected.LBB2);
    QCOMPARE(app.form1.session.Lists().LL1, expected.LL1);
}

void ScanWindowTest::deleteMovesTheSelectedDuplicatesToTheTrash() {
    TestWindows app;
    TestFolder tree;
    WriteGroups(tree);
    SearchAndScan(app, tree.path());
    // Group 0 is the pair: its one member goes, and the group with it.
    const std::string member(app.form1.session.Lists().LBB2[0]);
    const QStringList asked =
        AnswerMessageBoxesWith(QMessageBox::Yes, [&] { app.form1.BT4->click(); });
    QCOMPARE(asked, (QStringList{"Move 1 selected duplicate (13 bytes) to the trash?\n"
                                 "You can restore it from the trash later.",
                                 "1 file (13 bytes) was moved to the trash."}));
    QVERIFY(!fs::exists(member));
    const fs::path trash = fs::path(getenv("XDG_DATA_HOME")) / "Trash";
    QVERIFY(fs::exists(trash / "files" / fs::path(member).filename()));
    QVERIFY(fs::exists(trash / "info" / (fs::path(member).filename().string() + ".trashinfo")));
    QCOMPARE(app.form1.session.Lists().LBB1.size(), size_t(2));
    QCOMPARE(app.form1.session.Lists().LL1, (TextLines{"0", "0", "1"}));
    QCOMPARE(app.form1.Ld3->Indicatorstring(), QString("2"));
    QCOMPARE(app.form1.Ld4->Indicatorstring(), QString("3"));
    QCOMPARE(SelectedRows(app.form1.LBB2), (std::vector<int>{0, 1})); // the next group's members
    QCOMPARE(app.form1.LBB1->currentIndex().row(), 0);
}

void ScanWindowTest::deleteKeyWithAnyModifierAsksAndNoChangesNothing() {
    TestWindows app;
    TestFolder tree;
    WriteGroups(tree);
    SearchAndScan(app, tree.path());
    const auto before = app.form1.session.Lists().LBB2;
    for (Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier),
          Qt::KeyboardModifiers(Qt::ControlModifier)}) {
        const QStringList asked = AnswerMessageBoxesWith(
            QMessageBox::No, [&] { QTest::keyClick(app.form1.LBB2, Qt::Key_Delete, modifiers); });
        QCOMPARE(asked.size(), 1);
    }
    const QStringList none =
        AnswerMessageBoxes([&] { QTest::keyClick(app.form1.LBB2, Qt::Key_A); });
    QVERIFY(none.isEmpty());
    QCOMPARE(app.form1.session.Lists().LBB2, before);
    for (const std::string& path : before.Texts())
        QVERIFY(fs::exists(path));
}

void ScanWindowTest::keysBrowseTheReferencesAndEveryMenuCommandHasOne() {
    TestWindows app;
    TForm1& form = app.form1;
    TestFolder tree;
    ShowScannedGroups(app, tree);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.LBB1->setFocus();
    QTest::keyClick(form.LBB1, Qt::Key_Down);
    QCOMPARE(form.session.Lists().current1, 1);
    QVERIFY(form.LBB1->hasFocus());
    for (int row : SelectedRows(form.LBB2))
        QCOMPARE(form.session.Lists().LL1[static_cast<size_t>(row)], 1);
    // A click on a duplicate, then Delete: the question comes, once.
    const QRect first = form.LBB2->visualRect(form.LBB2->model()->index(0, 0));
    QTest::mouseClick(form.LBB2->viewport(), Qt::LeftButton, {}, first.center());
    const QStringList asked = AnswerMessageBoxesWith(
        QMessageBox::No, [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete); });
    QCOMPARE(asked.size(), 1);
    std::vector<QMenu*> menus{form.PopupMenu1};
    for (QAction* entry : form.menuBar()->actions())
        menus.push_back(entry->menu());
    for (QMenu* menu : menus)
        for (QAction* action : menu->actions())
            QVERIFY2(action->isSeparator() || !action->shortcut().isEmpty(),
                     qPrintable(action->objectName()));
}

void ScanWindowTest::clickingADuplicateFollowsItsGroupAndSwapExchangesThem() {
    TestWindows app;
    TestFolder tree;
    WriteGroups(tree);
    SearchAndScan(app, tree.path());
    const ResultLists before = app.form1.session.Lists();
    const auto selected = SelectedRows(app.form1.LBB2);
    // The last duplicate belongs to group 2.
    app.form1.LBB2->selectionModel()->setCurrentIndex(app.form1.LBB2->model()->index(3, 0),
                                                      QItemSelectionModel::NoUpdate);
    QCOMPARE(app.form1.LBB1->currentIndex().row(), 2);
    QCOMPARE(SelectedRows(app.form1.LBB2), selected);

    app.form1.Trocar1->trigger();
    QCOMPARE(app.form1.session.Lists().LBB1[2], before.LBB2[3]);
    QCOMPARE(app.form1.session.Lists().LBB2[3], before.LBB1[2]);
    QCOMPARE(app.form1.session.Lists().LL1, before.LL1);
    QCOMPARE(app.form1.LBB1->model()->index(2, 0).data().toString().toStdString(),
             std::string(before.LBB2[3]));
}

// A click on a reference of an inactive window: the duplicates take the focus as the window
// becomes active, and that keeps the clicked group.
void ScanWindowTest::aClickedReferenceStaysWhenTheDuplicatesTakeTheFocus() {
    TestWindows app;
    TForm1& form = app.form1;
    TestFolder tree;
    ShowScannedGroups(app, tree);
    ClickThroughWindow(form.LBB1->viewport(),
                       form.LBB1->visualRect(form.LBB1->model()->index(2, 0)).center());
    form.LBB2->clearFocus();
    form.LBB2->setFocus(Qt::ActiveWindowFocusReason);
    QCOMPARE(form.session.Lists().current1, 2);
    QCOMPARE(form.LBB1->selectionModel()->selectedRows(),
             QModelIndexList{form.LBB1->model()->index(2, 0)});
    QCOMPARE(form.session.Lists().LL1[static_cast<size_t>(form.session.Lists().current2)], 2);
}

void ScanWindowTest::aClickOnTheCurrentEntryActsAsOnAnyOther() {
    TestWindows app;
    TForm1& form = app.form1;
    TestFolder tree;
    ShowScannedGroups(app, tree);
    const ResultLists before = form.session.Lists();
    const QPoint duplicate = form.LBB2->visualRect(form.LBB2->model()->index(0, 0)).center();
    ClickThroughWindow(form.LBB2->viewport(), duplicate);
    QCOMPARE(form.session.Lists().current2, 0);
    // The references browsed to group 1 by the keys, a click on the duplicate of group 0
    // that is still current brings its group back, and Swap stays within it.
    form.LBB1->setFocus();
    KeyThroughWindow(form.LBB1, Qt::Key_Down);
    QCOMPARE(form.session.Lists().current1, 1);
    ClickThroughWindow(form.LBB2->viewport(), duplicate);
    QCOMPARE(form.session.Lists().current1, 0);
    form.Trocar1->trigger();
    QCOMPARE(form.session.Lists().LBB1[0], before.LBB2[0]);
    QCOMPARE(form.session.Lists().LBB1[1], before.LBB1[1]);
    // A click on the current reference selects its group again.
    form.LBB2->selectionModel()->clearSelection();
    ClickThroughWindow(form.LBB1->viewport(),
                       form.LBB1->visualRect(form.LBB1->model()->index(0, 0)).center());
    QCOMPARE(SelectedRows(form.LBB2), std::vector<int>{0});
}

void ScanWindowTest::openingUsesTheShellAndNeedsACurrentEntry() {
    TestWindows app;
    std::vector<std::string> opened;
    const ScopedHook opener(CurrentShellOpener(), RecordingOpener(opened));
    QStringList shown = AnswerMessageBoxes([&] { emit app.form1.LBB2->doubleClicked({}); });
    QCOMPARE(shown, QStringList{"List index out of bounds (-1)"}); // ")" sorts before "."
    TestFolder tree;
    WriteGroups(tree);
    SearchAndScan(app, tree.path());
    emit app.form1.LBB1->doubleClicked(app.form1.LBB1->currentIndex());
    const std::string reference(app.form1.session.Lists().LBB1[0]);
    QCOMPARE(opened, std::vector<std::string>{reference});
    // Nothing to open it with: the user is told, with the file and the reason.
    const ScopedHook none(CurrentShellOpener(), ShellOpener([](const std::string&, std::string* e) {
                              *e = "no handler";
                              return false;
                          }));
    shown = AnswerMessageBoxes(
        [&] { emit app.form1.LBB1->doubleClicked(app.form1.LBB1->currentIndex()); });
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].contains(QString::fromStdString(reference)) &&
            shown[0].contains("no handler"));
}

void ScanWindowTest::openFolderOpensTheFolderOfTheListRightClicked() {
    TestWindows app;
    std::vector<std::string> opened;
    const ScopedHook opener(CurrentShellOpener(), RecordingOpener(opened));
    app.form1.OpenFolder1->trigger(); // no menu yet: nothing to open
    QVERIFY(opened.empty());
    TestFolder tree;
    WriteGroups(tree);
    SearchAndScan(app, tree.path());
    // The last duplicate, of the triple, made current: its reference follows.
    app.form1.LBB2->selectionModel()->setCurrentIndex(app.form1.LBB2->model()->index(3, 0),
                                                      QItemSelectionModel::NoUpdate);
    const auto openFrom = [&](QListView* list) {
        emit list->customContextMenuRequested(list->visualRect(list->currentIndex()).center());
        app.form1.OpenFolder1->trigger();
        app.form1.PopupMenu1->close();
    };
    openFrom(app.form1.LBB2);
    openFrom(app.form1.LBB1);
    QCOMPARE(opened, (std::vector<std::string>{
                         ExtractFilePath(std::string(app.form1.session.Lists().LBB2[3])),
                         ExtractFilePath(std::string(app.form1.session.Lists().LBB1[2]))}));
    QVERIFY(opened[0] != opened[1]);
}

void ScanWindowTest::noInputReachesTheMainWindowWhileTrashing() {
    TestWindows app;
    TestFolder tree;
    WriteGroups(tree);
    SearchAndScan(app, tree.path());
    const bool subfolders = app.form1.TB1->CK1->isChecked();
    int moved = 0;
    // The user clicks around while the files are being moved.
    const ScopedHook trash(CurrentTrashMover(), TrashMover([&](const std::string&, std::string*) {
                               ++moved;
                               QTest::mouseClick(app.form1.TB1->CK1, Qt::LeftButton);
                               QTest::mouseClick(app.form1.BT4, Qt::LeftButton);
                               QTest::keyClick(app.form1.LBB2, Qt::Key_Delete);
                               return true;
                           }));
    for (int row = 0; row < 3; ++row)
        app.form1.session.SetSelected(size_t(row), true);
    const QStringList asked =
        AnswerMessageBoxesWith(QMessageBox::Yes, [&] { app.form1.BT4Click(); });
    QCOMPARE(asked.size(), 2); // the question, then what was moved
    QCOMPARE(moved, 3);
    QCOMPARE(app.form1.TB1->CK1->isChecked(), subfolders);
    QTest::mouseClick(app.form1.TB1->CK1, Qt::LeftButton); // and afterwards input works again
    QCOMPARE(app.form1.TB1->CK1->isChecked(), !subfolders);
}

void ScanWindowTest::escapeAndTheCloseButtonCancelTheScan() {
    TestWindows app;
    TestFolder tree;
    WriteGroups(tree);
    bool stayed = false;
    app.form3->RunScan = [&] {
        QTest::keyClick(app.form3, Qt::Key_Escape);
        stayed = !app.form3->close() && app.form3->isVisible();
        return !CancelRequested;
    };
    const QStringList shown = SearchAndScan(app, tree.path());
    QVERIFY(stayed);
    QVERIFY(CancelRequested);
    // The report, once the scan window has closed by itself.
    QCOMPARE(shown, QStringList{Key(app, "IDS_32")});
    QVERIFY(!app.form3->isVisible());
}

void ScanWindowTest::escapeThroughTheWindowStopsARunningScan() {
    TestWindows app;
    TestFolder tree;
    // Groups of ten identical files, each group a size of its own: the first groups are
    // listed long before the last ones are read.
    for (int i = 0; i < 3000; ++i)
        tree.write("f" + std::to_string(i), std::string(1 + i / 10, 'x'));
    QTimer escape;
    escape.setInterval(1);
    QObject::connect(&escape, &QTimer::timeout, [&] {
        if (!app.form1.session.Lists().LBB2.empty() && app.form3->isVisible()) {
            KeyThroughWindow(app.form3, Qt::Key_Escape);
            escape.stop();
        }
    });
    escape.start();
    const QStringList shown = SearchAndScan(app, tree.path());
    QVERIFY(!app.form3->Completed());
    QVERIFY(!app.form1.session.Table().IsEmpty());
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].startsWith(Key(app, "IDS_31")));
}

void ScanWindowTest::duplicatesThatStayAreReportedInOneMessage() {
    TestWindows app;
    TestFolder tree;
    WriteGroups(tree);
    SearchAndScan(app, tree.path());
    const ScopedHook trash(CurrentTrashMover(),
                           TrashMover([](const std::string&, std::string* error) {
                               *error = "no trash on this mount";
                               return false;
                           }));
    const auto before = app.form1.session.Lists().LBB2;
    const QStringList shown =
        AnswerMessageBoxesWith(QMessageBox::Yes, [&] { app.form1.BT4->click(); });
    QCOMPARE(shown.size(), 2); // the question, then what stayed
    QCOMPARE(shown[1], "0 files (0 bytes) were moved to the trash.\n\n" + Key(app, "IDS_21"));
    QCOMPARE(app.form1.session.Lists().LBB2, before);
    QCOMPARE(app.form1.Ld4->Indicatorstring(), QString::number(before.size()));
}

namespace {

// Collects what a widget repaints.
class PaintWatcher : public QObject {
public:
    explicit PaintWatcher(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

} // namespace

void ScanWindowTest::theReferenceViewRepaintsTheGroupsItShows() {
    TestWindows app;
    TestFolder tree;
    WriteGroups(tree);
    SearchAndScan(app, tree.path());
    ShowStarted(app.form1);
    QListView* references = app.form1.LBB1;
    const QRect first = references->visualRect(references->model()->index(0, 0));
    const QRect third = references->visualRect(references->model()->index(2, 0));
    PaintWatcher watcher(references->viewport());
    QTest::qWait(100); // the first painting of the window is over
    watcher.painted = {};
    // Moving to a duplicate of group 2 makes that group current: both rows change.
    app.form1.LBB2->selectionModel()->setCurrentIndex(app.form1.LBB2->model()->index(3, 0),
                                                      QItemSelectionModel::NoUpdate);
    QTest::qWait(100);
    QVERIFY(watcher.painted.contains(first) && watcher.painted.contains(third));
    QCOMPARE(SelectedRows(references), std::vector<int>{2});
    app.form1.hide();
}
