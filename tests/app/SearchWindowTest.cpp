#include "SearchWindowTest.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <filesystem>

#include "ConfigFolder.h"
#include "Errors.h"
#include "FolderDialog.h"
#include "FolderTreeModel.h"
#include "FoldersBox.h"
#include "LastSearch.h"
#include "PickerValues.h"
#include "SetsPage.h"
#include "SizeBox.h"
#include "TestWindows.h"

using namespace twinsweep;

namespace {

// Calls `onEntry` with the number of entries delivered so far, before each is appended.
void WatchFoundEntries(TForm1& form, std::function<void(int)> onEntry) {
    auto found = form.FF1.OnFound;
    auto count = std::make_shared<int>(0);
    form.FF1.OnFound = [=](TFileSearch& sender, const std::string& folder, TSearchRec& entry) {
        onEntry(++*count);
        found(sender, folder, entry);
    };
}

std::vector<std::string> Column(const FileTable& table, int column) {
    std::vector<std::string> cells;
    for (int row = 1; row < table.RowCount(); ++row)
        cells.push_back(table.Cell(column, row));
    return cells;
}

// Runs a search from the main window; the scan that follows is replaced by a snapshot of
// the table it would get, and the report boxes are answered. Returns their texts.
QStringList StartSearchIn(TestWindows& app, const std::string& folder,
                          FileTable* tableAtScan = nullptr, QString* countAtScan = nullptr) {
    app.form1.TB1->Edit2->setText(QString::fromStdString(folder));
    app.form3->RunScan = [&app, tableAtScan, countAtScan] {
        if (tableAtScan)
            *tableAtScan = app.form1.session.Table();
        if (countAtScan)
            *countAtScan = app.form1.Ld1->Indicatorstring();
        return true;
    };
    return AnswerMessageBoxes([&] { app.form1.BT1Click(); });
}

// Runs `action`, answering the first modal dialog of type T with `answer`.
template <typename T>
void WithModal(const std::function<void(T*)>& answer, const std::function<void()>& action) {
    QTimer poll;
    poll.setInterval(10);
    bool done = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = dynamic_cast<T*>(QApplication::activeModalWidget()); dialog && !done) {
            done = true;
            answer(dialog);
        }
    });
    poll.start();
    action();
}

// Replaces the text of `edit` by clicking it and typing `text` into its window, key by key,
// as the window system delivers them.
void TypeThroughWindow(QLineEdit* edit, const std::string& text) {
    QWindow* window = edit->window()->windowHandle();
    QTest::mouseClick(window, Qt::LeftButton, {},
                      edit->mapTo(edit->window(), edit->rect().center()));
    QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
    for (char c : text)
        QTest::keyClick(window, c);
}

} // namespace

void SearchWindowTest::folderIsSearchedAsItIsNamed() {
    // ";" once split the folder in two and "?" was refused as a wildcard.
    TestWindows app;
    TestFolder tree;
    tree.write("a;b/inside", "x");
    tree.write("a/beside", "x");
    tree.write("q?x*/starred", "y");
    for (const auto& [folder, name] : {std::pair{"a;b/", "inside"}, {"q?x*/", "starred"}}) {
        FileTable scanned;
        StartSearchIn(app, tree.path(folder), &scanned);
        QCOMPARE(Column(scanned, 0), std::vector<std::string>{name});
        QCOMPARE(Column(scanned, 1), std::vector<std::string>{tree.path(folder)});
    }
}

void SearchWindowTest::choicesWrittenToTheControlsReadBackTheSame() {
    TestWindows app;
    SearchChoices choices;
    choices.folder = "/data/caf\xff/";
    choices.subfolders = false;
    choices.extensionOnly = true;
    choices.extension = "jpg";
    choices.readonly = choices.hidden = false;
    choices.sizeMinKB = 3;
    choices.sizeMaxKB = 70;
    choices.dateRange = DateRange::Accessed;
    choices.before = {true, 46000, false, 0.5};
    choices.after = {false, 45000, true, 0.75};
    app.form1.WriteSearchChoices(choices);
    QCOMPARE(app.form1.ReadSearchChoices(), choices);
    QVERIFY(app.form1.TB1->BeforeDate->isEnabled() && !app.form1.TB1->BeforeTime->isEnabled());
    choices.dateRange = DateRange::None;
    app.form1.WriteSearchChoices(choices);
    QCOMPARE(app.form1.TB1->DateRangeIndex(), -1);
}

void SearchWindowTest::searchShowsProgressAndEndsWithTheSortedTable() {
    TestWindows app;
    TestFolder tree;
    tree.write("a.bin", std::string(300, 'a'));
    tree.write("sub/b.bin", std::string(10, 'b'));
    tree.write("sub/deeper/c.bin", std::string(2000, 'c'));
    bool modal = false;
    WatchFoundEntries(app.form1, [&](int count) {
        modal = QApplication::activeModalWidget() == app.form2;
        // The window shows the files listed so far while the search runs.
        if (count == 3)
            QTRY_COMPARE(app.form2->La2->text(),
                         QString::fromStdString(
                             FormatMessage(app.form2->StringTable1.GetKeyText("IDS_0"), {"2"})));
    });
    FileTable scanned;
    QString count;
    StartSearchIn(app, tree.path(), &scanned, &count);

    QVERIFY(modal);
    QVERIFY(!app.form2->isVisible());
    QCOMPARE(Column(scanned, 2),
             (std::vector<std::string>{"0000000010", "0000000300", "0000002000"}));
    QCOMPARE(Column(scanned, 0), (std::vector<std::string>{"b.bin", "a.bin", "c.bin"}));
    QCOMPARE(scanned.Cell(1, 1), tree.path("sub/"));
    QCOMPARE(scanned.Cell(0, 0), app.form1.StringTable1.GetKeyText("IDS_0"));
    QCOMPARE(count, QString("3"));
    QVERIFY(!scanned.Cell(3, 1).empty());
    QVERIFY(app.form1.BT1->isEnabled());
    QVERIFY(!app.form2->W1->isVisible());
}

void SearchWindowTest::sizeBoundsKeepEveryDigitAndRefuseWhatIsTooLarge() {
    TestWindows app;
    SizeBox* box = app.form1.TB1->SizeMax;
    box->selectAll();
    QTest::keyClicks(box, "1099511627776");
    QVERIFY(box->InRange());
    QCOMPARE(app.form1.ReadSearchChoices().sizeMaxKB, int64_t{1} << 40);
    QTest::keyClicks(box, "9x");
    QCOMPARE(box->text(), QString("10995116277769"));
    QVERIFY(!box->InRange());
    app.form1.TB1->Edit2->setText(QString::fromStdString(app.folder.path()));
    const QStringList shown = AnswerMessageBoxes([&] { app.form1.BT1->click(); });
    QCOMPARE(shown, QStringList{app.form1.SizeLimitText()});
    QVERIFY(shown[0].contains("1,099,511,627,776"));
    QVERIFY(!app.form2->isVisible());
}

void SearchWindowTest::criteriaControlsBecomeTheSearchCriteria() {
    TestWindows app;
    TestFolder tree;
    tree.write("notes.txt", std::string(1024, 'n'));
    tree.write("big.txt", std::string(1025, 'n'));
    tree.write("README", std::string(1024, 'r'));
    tree.write("sub/other.txt", std::string(1024, 'o'));

    app.form1.TB1->CK2->setChecked(true);
    app.form1.TB1->Edit1->setText("txt");
    app.form1.TB1->CK1->setChecked(false);
    app.form1.TB1->SizeMin->setValue(1);
    app.form1.TB1->SizeMax->setValue(1);
    app.form1.TB1->Hidden->setChecked(false);
    FileTable scanned;
    StartSearchIn(app, tree.path(), &scanned);
    QCOMPARE(app.form1.FF1.Filename(), std::string("*.txt"));
    QCOMPARE(app.form1.FF1.SizeMin(), int64_t{1024});
    QCOMPARE(app.form1.FF1.SizeMax(), int64_t{1024});
    QVERIFY(!app.form1.FF1.Subfolders());
    QCOMPARE(app.form1.FF1.Attributes(), (TFileAttributes{ffArchive, ffReadonly, ffSystem}));
    QCOMPARE(Column(scanned, 0), std::vector<std::string>{"notes.txt"});

    app.form1.TB1->Edit1->clear(); // "*." finds the names without a dot
    app.form1.TB1->SizeMin->setValue(0);
    app.form1.TB1->SizeMax->setValue(0);
    StartSearchIn(app, tree.path(), &scanned);
    QCOMPARE(Column(scanned, 0), std::vector<std::string>{"README"});

    app.form1.TB1->CK2->setChecked(false);
    app.form1.TB1->CK1->setChecked(true);
    StartSearchIn(app, tree.path(), &scanned);
    QCOMPARE(app.form1.FF1.Filename(), std::string("*.*"));
    QCOMPARE(scanned.FileCount(), 4);
}

void SearchWindowTest::dateBoundsFollowTheChosenDateAndTheirBoxes() {
    TestWindows app;
    TestFolder tree;
    TForm1& f = app.form1;
    const TDateTime day = EncodeDate(2020, 5, 6);
    f.TB1->BeforeDate->setDateTime(ToQDateTime(day + EncodeTime(15, 0, 0, 0)));
    f.TB1->AfterTime->setDateTime(ToQDateTime(EncodeDate(2001, 1, 1) + EncodeTime(8, 0, 0, 0)));

    f.TB1->SetDateRangeIndex(1);
    f.TB1->BD->setChecked(true);
    f.TB1->AT->setChecked(true);
    StartSearchIn(app, tree.path());
    QCOMPARE(f.FF1.ModifiedBefore(), day); // a whole day: any time on it
    // A time of day on any day (the fraction of a day-and-time value, so not bit-exact).
    QVERIFY(std::abs(f.FF1.ModifiedAfter() - EncodeTime(8, 0, 0, 0)) < 1e-9);
    QCOMPARE(f.FF1.CreatedBefore(), 0.0);

    f.TB1->BT->setChecked(true);
    f.TB1->BeforeTime->setDateTime(ToQDateTime(EncodeDate(2001, 1, 1) + EncodeTime(18, 0, 0, 0)));
    f.TB1->SetDateRangeIndex(2);
    StartSearchIn(app, tree.path());
    QVERIFY(std::abs(f.FF1.AccessedBefore() - (day + EncodeTime(18, 0, 0, 0))) < 1e-9);
    QCOMPARE(f.FF1.ModifiedBefore(), 0.0);

    f.TB1->SetDateRangeIndex(-1); // no date chosen: the boxes have no effect
    StartSearchIn(app, tree.path());
    for (TDateTime bound : {f.FF1.CreatedBefore(), f.FF1.CreatedAfter(), f.FF1.ModifiedBefore(),
                            f.FF1.ModifiedAfter(), f.FF1.AccessedBefore(), f.FF1.AccessedAfter()})
        QCOMPARE(bound, 0.0);
}

void SearchWindowTest::invalidExtensionEndsTheCommandWithTheErrorBox() {
    TestWindows app;
    TestFolder tree;
    tree.write("a.txt", "a");
    app.form1.session.Adopt(TestLists({"/old/reference"}, {}, {}));
    app.form1.TB1->CK2->setChecked(true);
    app.form1.TB1->Edit1->setText("a/b");
    app.form1.TB1->Edit2->setText(QString::fromStdString(tree.path()));
    const QStringList shown = AnswerMessageBoxes([&] { app.form1.BT1->click(); });
    QCOMPARE(shown, QStringList{"*.a/b\n\rInvalid filename specified."});
    QVERIFY(app.form1.session.Table().IsEmpty());
    QVERIFY(app.form1.session.Lists().LBB1.empty());
    QVERIFY(!app.form2->isVisible());
}

void SearchWindowTest::cancellingKeepsTheFilesFoundSoFarSorted() {
    TestWindows app;
    TestFolder tree;
    const int total = 2000;
    for (int i = 0; i < total; ++i)
        tree.write("d" + std::to_string(i % 40) + "/f" + std::to_string(i),
                   std::string(i % 97, 'x'));
    app.form2->T1->setInterval(0); // close at once after the cancel click
    // The click comes from the window system between the search's hand-overs.
    WatchFoundEntries(app.form1, [&](int count) {
        if (count == 25)
            QTimer::singleShot(0, app.form2, [&] { ClickThroughWindow(app.form2->SpeedButton1); });
    });
    FileTable scanned;
    QString count;
    StartSearchIn(app, tree.path(), &scanned, &count);
    QVERIFY(!app.form2->isVisible());
    const int found = scanned.FileCount();
    QVERIFY2(found >= 25 && found < total, std::to_string(found).c_str());
    const auto sizes = Column(scanned, 2);
    QVERIFY(std::is_sorted(sizes.begin(), sizes.end()));
    QCOMPARE(count, QString::number(found));
}

void SearchWindowTest::searchFindingNothingEndsWithAnEmptyTable() {
    TestWindows app;
    TestFolder tree;
    const auto key = [&](const char* key) {
        return QString::fromStdString(app.form1.StringTable1.GetKeyText(key));
    };
    QCOMPARE(StartSearchIn(app, tree.path()), QStringList{key("IDS_33")});
    QVERIFY(app.form1.session.Table().IsEmpty());
    QVERIFY(!app.form2->isVisible());
    QCOMPARE(app.form1.Ld1->Indicatorstring(), QString("0"));

    // Stopped before it found anything, a search cannot say that nothing matches.
    app.form1.FF1.OnNewFolder = [&](TFileSearch&, const std::string&, bool&) {
        app.form2->close();
    };
    const QStringList shown = AnswerMessageBoxes([&] {
        app.form1.BT1Click();
        QTRY_VERIFY(!app.form1.FF1.Busy());
    });
    QCOMPARE(shown, QStringList{key("IDS_34")});
}

void SearchWindowTest::failedSearchShowsWhyAndComparesNothing() {
    TestWindows app;
    TestFolder tree;
    for (const char* name : {"a", "b", "c"})
        tree.write(name, "same");
    WatchFoundEntries(app.form1, [](int count) {
        if (count == 2)
            throw Exception("the disk went away");
    });
    QString countAtScan;
    const QStringList shown = StartSearchIn(app, tree.path(), nullptr, &countAtScan);
    QCOMPARE(shown, QStringList{"The search failed: the disk went away."});
    QVERIFY(countAtScan.isNull()); // no comparison started
    QVERIFY(app.form1.session.Table().IsEmpty());
    QVERIFY(!app.form2->isVisible());
}

void SearchWindowTest::cancellingTheFolderChoiceChangesNothing() {
    TestWindows app;
    AppendTestFile(app.form1, "/kept", "file", 1, "date");
    app.form1.session.Adopt(TestLists({"/kept/file"}, {}, {}));
    WithModal<FolderDialog>([](FolderDialog* dialog) { dialog->reject(); },
                            [&] { app.form1.MnNova->trigger(); });
    QVERIFY(app.form1.SearchFolder.empty());
    QCOMPARE(app.form1.session.Table().FileCount(), 1);
    QCOMPARE(app.form1.session.Lists().LBB1.size(), size_t(1));
    QVERIFY(!app.form2->isVisible());
}

void SearchWindowTest::typedFolderIsCreatedOnlyAfterConfirmation() {
    TestWindows app;
    TestFolder tree;
    const std::string wanted = tree.path("new/deeper");
    QStringList questions;
    QString question;
    bool stayedOpen = false;
    WithModal<FolderDialog>(
        [&](FolderDialog* dialog) {
            question = QString::fromStdString(dialog->StringTable1.GetKeyText("IDS_0"));
            dialog->PathEdit->setText(QString::fromStdString(wanted));
            // No: back to the dialog, nothing created.
            questions += AnswerMessageBoxesWith(QMessageBox::No, [&] { dialog->accept(); });
            stayedOpen = dialog->isVisible() && !std::filesystem::exists(wanted);
            questions += AnswerMessageBoxesWith(QMessageBox::Yes, [&] { dialog->accept(); });
        },
        [&] { app.form1.TB1->B1->click(); });
    QCOMPARE(questions, (QStringList{question, question}));
    QVERIFY(stayedOpen);
    QVERIFY(std::filesystem::is_directory(wanted));
    QCOMPARE(app.form1.SearchFolder, wanted + "/");
    QCOMPARE(app.form1.TB1->Edit2->text().toStdString(), wanted + "/");
}

void SearchWindowTest::chosenFolderKeepsTheBytesOfItsName() {
    TestWindows app;
    TestFolder tree;
    const std::string folder = tree.path("\xff"); // not UTF-8
    std::filesystem::create_directory(folder);
    WithModal<FolderDialog>(
        [&](FolderDialog* dialog) {
            dialog->Folders->setCurrentIndex(dialog->Model->IndexOf(folder));
            dialog->Buttons->button(QDialogButtonBox::Ok)->click();
        },
        [&] { app.form1.TB1->B1->click(); });
    QCOMPARE(app.form1.SearchFolder, folder + "/");
    QCOMPARE(app.form1.TB1->Edit2->text(), QString::fromStdString(folder + "/"));
    // The next choice starts from SearchFolder's bytes: accepted unchanged, they stay.
    std::string openedAt;
    WithModal<FolderDialog>(
        [&](FolderDialog* dialog) {
            openedAt = dialog->Model->Path(dialog->Folders->currentIndex());
            AnswerMessageBoxesWith(QMessageBox::Yes, [&] { dialog->accept(); });
        },
        [&] { app.form1.TB1->B1->click(); });
    QCOMPARE(openedAt, folder);
    QCOMPARE(app.form1.SearchFolder, folder + "/");
    QVERIFY(!std::filesystem::exists(tree.path("\ufffd")));
}

void SearchWindowTest::typedFolderIsTheOneSearchedAndNoOtherIsAccepted() {
    TestWindows app;
    TestFolder tree;
    tree.write("chosen/old.txt", "o");
    tree.write("typed/new.txt", "n");
    TForm1& form = app.form1;
    // File > New search, by its key. Closing a message box leaves no window active here, as
    // a window manager would.
    const auto search = [&] {
        form.activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&form);
        return AnswerMessageBoxes(
            [&] { QTest::keyClick(form.windowHandle(), Qt::Key_N, Qt::ControlModifier); });
    };
    form.SearchFolder = tree.path("chosen/");
    form.TB1->Edit2->setText(QString::fromStdString(form.SearchFolder));
    AppendTestFile(form, "/kept", "file", 1, "date");
    form.ActivatedOnce = true; // no start-up sequence, no welcome window
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    // What names no absolute, existing folder stops the search and changes nothing.
    for (const std::string& wrong :
         {std::string("~/typed"), std::string("typed"), tree.path("typed "),
          tree.path("typed/new.txt"), tree.path("missing")}) {
        TypeThroughWindow(form.TB1->Edit2, wrong);
        QCOMPARE(form.TB1->Edit2->text().toStdString(), wrong);
        const QStringList shown = search();
        QCOMPARE(shown, QStringList{QString::fromStdString(
                            FormatMessage(form.StringTable1.GetKeyText("IDS_68"), {wrong}))});
        QCOMPARE(form.SearchFolder, tree.path("chosen/"));
        QCOMPARE(form.session.Table().FileCount(), 1);
        QVERIFY(!app.form2->isVisible());
    }

    // A typed folder is searched, shown as searched, and kept as the last search.
    const std::string typed = tree.path("typed");
    TypeThroughWindow(form.TB1->Edit2, typed);
    FileTable scanned;
    app.form3->RunScan = [&] {
        scanned = form.session.Table();
        return true;
    };
    search();
    QCOMPARE(Column(scanned, 0), std::vector<std::string>{"new.txt"});
    QCOMPARE(form.SearchFolder, typed + "/");
    QCOMPARE(form.TB1->Edit2->text().toStdString(), typed + "/");
    QCOMPARE(LoadLastSearch(UserConfigFolder() + LastSearchFileName, {})->folder, typed + "/");

    // A project saved now holds the folder the field shows.
    form.PageControl1->setCurrentWidget(form.TB1);
    TypeThroughWindow(form.TB1->Edit2, tree.path("chosen"));
    QCOMPARE(form.ReadSearchChoices().folder, tree.path("chosen"));
    form.hide();
}

// More folders, one protected, and an exclusion: the search takes them, the protected files
// carry their mark and cannot be marked, and the trash's question names those that stay.
void SearchWindowTest::moreFoldersProtectAndExclude() {
    TestWindows app;
    TForm1& form = app.form1;
    TestFolder tree;
    tree.write("lib/p", "pair");
    tree.write("imp/c", "pair");
    tree.write("imp/x.tmp", "pair");
    ShowStarted(form);
    FoldersBox& folders = *form.TB1->Folders;
    folders.Add({tree.path("missing"), FolderRole::Searched});
    form.TB1->Edit2->setText(QString::fromStdString(tree.path("imp")));
    QCOMPARE(AnswerMessageBoxes([&] { KeyThroughWindow(&form, Qt::Key_N, Qt::ControlModifier); }),
             QStringList{QString::fromStdString(
                 FormatMessage(form.StringTable1.GetKeyText("IDS_68"), {tree.path("missing")}))});
    ClickThroughWindow(folders.RemoveFolder);
    folders.Add({tree.path("lib"), FolderRole::Protected});
    folders.ExcludeList->setPlainText("*.tmp");
    SearchAndScan(app, tree.path("imp"));
    QCOMPARE(AllFolders(form.session.Choices()).size(), size_t(2));
    const ResultLists& lists = form.session.Lists();
    QCOMPARE(lists.LBB1, TextLines{tree.path("lib/p")}); // the protected file is the reference
    QCOMPARE(lists.LBB2, TextLines{tree.path("imp/c")});
    const QModelIndex reference = form.LBB1->model()->index(0, 0);
    QVERIFY(reference.data(Qt::ToolTipRole)
                .toString()
                .endsWith(QString::fromStdString(form.StringTable1.GetKeyText("IDS_71"))));
    QVERIFY(!reference.data(Qt::DecorationRole).value<QIcon>().isNull());

    form.PageControl1->setCurrentWidget(form.TB3);
    const QAbstractItemModel* sets = form.TB3->SetsTree->model();
    const QModelIndex set = sets->index(0, 0);
    QCOMPARE(sets->rowCount(set), 2);
    for (int member = 0; member < 2; ++member) {
        const bool inLib = sets->index(member, 1, set).data().toString().endsWith("lib/");
        QCOMPARE(bool(sets->index(member, 0, set).flags() & Qt::ItemIsUserCheckable), !inLib);
    }
    ClickThroughWindow(form.TB3->KeepNewest);
    QCOMPARE(form.session.MarkedFiles().files, size_t(1));
    const QStringList asked =
        AnswerMessageBoxesWith(QMessageBox::No, [&] { ClickThroughWindow(form.TB3->TrashMarked); });
    QCOMPARE(asked.size(), 1);
    QVERIFY(asked[0].endsWith("\n1 protected file stays where it is."));
}
