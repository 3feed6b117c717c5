#include "SetsPageTest.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <sys/stat.h>

#include "ProjectDialogs.h"
#include "SetsModel.h"
#include "SetsPage.h"
#include "ShellAccess.h"
#include "TestWindows.h"

using namespace twinsweep;

namespace {

ino_t Inode(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

QString Cell(QTreeView* tree, int row, int column, const QModelIndex& parent = {}) {
    return tree->model()->index(row, column, parent).data().toString();
}

} // namespace

void SetsPageTest::marksKeepAFileInEverySetAndTheTrashRechecksIt() {
    TestWindows app;
    TForm1& form = app.form1;
    TestFolder tree;
    // Two sets: a, a_copy, a_copy2 and b, b_copy; the shortest path of each is kept.
    ShowTestLists(form, TestLists({tree.write("a", "aaa"), tree.write("b", "bb")}, {"0", "0", "1"},
                                  {tree.write("a_copy", "aaa"), tree.write("a_copy2", "aaa"),
                                   tree.write("b_copy", "bb")}));
    form.PageControl1->setCurrentWidget(form.TB3);
    QTreeView* sets = form.TB3->SetsTree;
    QAbstractItemModel* model = sets->model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model->rowCount(), 2);
    sets->sortByColumn(SetsModel::FilesColumn, Qt::AscendingOrder);
    QCOMPARE(Cell(sets, 0, SetsModel::FilesColumn), QString("2"));
    sets->sortByColumn(SetsModel::FilesColumn, Qt::DescendingOrder);
    QCOMPARE(Cell(sets, 0, SetsModel::FilesColumn), QString("3"));
    const QModelIndex setA = model->index(0, 0);
    QCOMPARE(model->rowCount(setA), 3);

    form.TB3->KeepShortest->click();
    auto marked = [&](int set, int file) {
        return model->index(file, 0, model->index(set, 0)).data(Qt::CheckStateRole) == Qt::Checked;
    };
    QVERIFY(!marked(0, 0) && marked(0, 1) && marked(0, 2) && !marked(1, 0) && marked(1, 1));
    // The last file a set keeps cannot be marked.
    const QStringList refused = AnswerMessageBoxes(
        [&] { model->setData(model->index(0, 0, setA), Qt::Checked, Qt::CheckStateRole); });
    QCOMPARE(refused.size(), 1);
    QVERIFY(refused[0].contains(QString::fromStdString(tree.path("a"))));
    QVERIFY(!marked(0, 0));

    // The export holds every file of the sets, whichever page is shown.
    form.PageControl1->setCurrentWidget(form.TB2);
    const ScopedHook chooser(
        CurrentProjectFileChooser(), ProjectFileChooser([&](QWidget*, ProjectDialog dialog, auto&) {
            return dialog == ProjectDialog::Export ? std::optional(tree.path("sets.csv"))
                                                   : std::nullopt;
        }));
    QCOMPARE(AnswerMessageBoxes([&] { form.ExportSets1->trigger(); }),
             QStringList{QString::fromStdString("2 sets and 5 files were written to “" +
                                                tree.path("sets.csv") + "”.")});
    QCOMPARE(QString::fromStdString(tree.read("sets.csv")).count("\r\n"), 6);
    form.PageControl1->setCurrentWidget(form.TB3);

    // b changes before the trash: b_copy stays, reported; a's copies go.
    tree.write("b", "BB");
    std::vector<std::string> trashed;
    const ScopedHook trash(CurrentTrashMover(),
                           TrashMover([&](const std::string& path, std::string*) {
                               trashed.push_back(path);
                               return std::remove(path.c_str()) == 0;
                           }));
    const QStringList shown =
        AnswerMessageBoxesWith(QMessageBox::Yes, [&] { form.TB3->TrashMarked->click(); });
    QCOMPARE(trashed, (std::vector<std::string>{tree.path("a_copy"), tree.path("a_copy2")}));
    QCOMPARE(shown,
             (QStringList{"Move the 3 marked files (8 bytes) to the trash? Each is compared once "
                          "more with a copy its set keeps.",
                          "2 files (6 bytes) were moved to the trash.\n\nThese duplicates were "
                          "kept where they are:"}));
    QCOMPARE(form.session.Lists().LBB1, TextLines{tree.path("b")});
    QCOMPARE(form.session.Lists().LBB2, TextLines{tree.path("b_copy")});
    QCOMPARE(model->rowCount(), 1);
    QVERIFY(marked(0, 1)); // its mark stays
    QCOMPARE(form.TB3->SetsTotal->text(),
             QString("Marked: 1 file, 2 bytes to free. In all: 1 set, 2 bytes can be freed."));
}

void SetsPageTest::theToolbarTrashActsOnTheMarksAndMarksEndWithTheirLists() {
    TestWindows app;
    TForm1& form = app.form1;
    ShowStarted(form);
    TestFolder tree;
    // One set; its shortest path, kept below, is the first duplicate of the Results tab.
    auto showSet = [&] {
        ShowTestLists(form, TestLists({tree.write("a_long_name", "aaa")}, {"0", "0"},
                                      {tree.write("a", "aaa"), tree.write("a_copy", "aaa")}));
        form.PageControl1->setCurrentWidget(form.TB3);
        ClickThroughWindow(form.TB3->KeepShortest);
    };
    QAbstractItemModel* model = form.TB3->SetsTree->model();
    auto markedFiles = [&] {
        int marked = 0;
        for (int set = 0; set < model->rowCount(); ++set)
            for (int file = 0; file < model->rowCount(model->index(set, 0)); ++file)
                marked += model->index(file, 0, model->index(set, 0)).data(Qt::CheckStateRole) ==
                          Qt::Checked;
        return marked;
    };
    showSet();
    QCOMPARE(markedFiles(), 2);
    form.Language3->trigger(); // the marks still apply in another language
    QCOMPARE(markedFiles(), 2);
    form.Language1->trigger();
    // A new search starts without marks, though it finds the same files.
    SearchAndScan(app, tree.path());
    form.PageControl1->setCurrentWidget(form.TB3);
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(markedFiles(), 0);

    showSet();
    form.session.SetSelected(0, true); // on the hidden Results tab: the file kept
    std::vector<std::string> trashed;
    const ScopedHook trash(CurrentTrashMover(),
                           TrashMover([&](const std::string& path, std::string*) {
                               trashed.push_back(path);
                               return true;
                           }));
    // File > Move to the trash, by its keys.
    AnswerMessageBoxesWith(QMessageBox::Yes, [&] {
        KeyThroughWindow(&form, Qt::Key_F, Qt::AltModifier);
        // A slow build opens the menu a moment later.
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget() != nullptr, 5000);
        QTest::keyClick(form.windowHandle(), Qt::Key_T); // the open menu takes it
    });
    if (QWidget* menu = QApplication::activePopupWidget())
        menu->close();
    std::sort(trashed.begin(), trashed.end());
    QCOMPARE(trashed, (std::vector<std::string>{tree.path("a_copy"), tree.path("a_long_name")}));
}

void SetsPageTest::replacedFilesKeepTheirNamesAndLeaveTheSets() {
    TestWindows app;
    TForm1& form = app.form1;
    ShowStarted(form);
    TestFolder tree;
    const std::string a = tree.write("a", "aaa"), copy = tree.write("a_copy", "aaa"),
                      copy2 = tree.write("a_copy2", "aaa");
    SearchAndScan(app, tree.path());
    form.PageControl1->setCurrentWidget(form.TB3);
    ClickThroughWindow(form.TB3->KeepShortest);
    // Hard links by the button's Alt key: the question says what they mean.
    const QStringList linked = AnswerMessageBoxesWith(QMessageBox::Yes, [&] {
        KeyThroughWindow(&form, Qt::Key_K, Qt::AltModifier);
        QTRY_VERIFY(Inode(copy2) == Inode(a)); // a shortcut clicks a moment later
    });
    QCOMPARE(linked.size(), 2);
    QVERIFY2(linked[0].startsWith("Replace the 2 marked files (6 bytes to free) with hard links") &&
                 linked[0].contains("shows under all"),
             qPrintable(linked[0]));
    QCOMPARE(linked[1], QString("2 files were replaced and 6 bytes freed; their names stay."));
    QVERIFY(Inode(copy) == Inode(a) && Inode(copy2) == Inode(a));
    QCOMPARE(tree.read("a_copy2"), std::string("aaa"));
    // Now one file: no pair, no set, nothing marked.
    QCOMPARE(form.session.Lists().LBB2.size(), size_t(0));
    QCOMPARE(form.TB3->SetsTree->model()->rowCount(), 0);
    QCOMPARE(AnswerMessageBoxes([&] { ClickThroughWindow(form.TB3->CloneMarked); }),
             QStringList{"No file is marked."});
}
