#include "MessageTextsTest.h"

#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "ErrorBox.h"
#include "Errors.h"
#include "MessageBoxes.h"
#include "ProjectDialogs.h"
#include "SetsPage.h"
#include "SizeBox.h"
#include "TestWindows.h"
#include "VanishingFolder.h"

using namespace twinsweep;

namespace {

// Input as the window system sends it: to the window, at the widget.
void Click(QWidget* widget) {
    QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(widget->window(), widget->rect().center()));
}

// Shortcuts reach the active window only; the offscreen platform, unlike a window manager,
// does not hand the activation back once a message box closes.
void Key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window->windowHandle(), key, modifiers);
}

// The windows in `language`, the main one shown until they go.
struct ShownWindows : TestWindows {
    explicit ShownWindows(int language) {
        writeSettings("0\r\n" + std::to_string(language) + "\r\n");
        form1.T2Timer();
        form1.show();
        QVERIFY(QTest::qWaitForWindowActive(&form1));
    }
    ~ShownWindows() { form1.hide(); }
};

ScopedHook<ProjectFileChooser> Choosing(const std::string& path) {
    return {CurrentProjectFileChooser(),
            [path](QWidget*, ProjectDialog, const TStringTable&) { return std::optional(path); }};
}

// Trashing deletes, without touching the user's trash.
ScopedHook<TrashMover> Deleting() {
    return {CurrentTrashMover(),
            [](const std::string& path, std::string*) { return std::remove(path.c_str()) == 0; }};
}

} // namespace

void MessageTextsTest::scanReportGroupsDigitsAndCountsTheExtraCopies() {
    ShownWindows app(3);
    TestFolder tree;
    for (int i = 0; i < 46; ++i) // 46 × 45 / 2 pairs
        tree.write("f" + std::to_string(i), "ab");
    app.form1.TB1->Edit2->setText(QString::fromStdString(tree.path()));
    // Find duplicates searches first when nothing was searched.
    QCOMPARE(AnswerMessageBoxes([&] { Key(&app.form1, Qt::Key_D, Qt::ControlModifier); }),
             QStringList{"1\u202F035 paires de doublons trouvées.\n"
                         "1 ensemble de fichiers identiques.\n"
                         "45 copies en trop pourraient aller à la corbeille, libérant 90 octets."});
}

void MessageTextsTest::scanReportNamesWhatCouldNotBeListedOrRead() {
    ShownWindows app(1);
    TestFolder tree;
    for (const char* name : {"a", "b", "gone"})
        tree.write(name, "ab");
    const auto removed = RemoveTwinOnEntry(app.form1.FF1, tree.path(), tree.path("gone"));
    app.form1.TB1->Edit2->setText(QString::fromStdString(tree.path()));
    QStringList details;
    QCOMPARE(
        AnswerMessageBoxesWith(
            QMessageBox::Ok, [&] { Key(&app.form1, Qt::Key_D, Qt::ControlModifier); }, &details),
        QStringList{"1 duplicate pair found.\n1 set of identical files.\n"
                    "1 extra copy could go to the trash, freeing 2 bytes.\n"
                    "1 folder could not be listed.\n1 file could not be read."});
    QCOMPARE(details, QStringList{QString::fromStdString(
                          "1 folder could not be listed.\n" + *removed +
                          "\n\n1 file could not be read.\n" + tree.path("gone") + "\n")});
}

void MessageTextsTest::resultsTrashCountsEachFileOnce() {
    ShownWindows app(1);
    TestFolder tree;
    TForm1& form = app.form1;
    ShowTestLists(form,
                  TestLists({tree.write("a", "abc"), tree.write("b", "abc")}, {"0", "0", "1"},
                            {tree.write("b", "abc"), tree.write("c", "abc"), tree.path("c")}));
    for (size_t row = 0; row < 3; ++row)
        form.session.SetSelected(row, true);
    const auto trash = Deleting();
    form.LBB2->setFocus();
    QCOMPARE(AnswerMessageBoxesWith(QMessageBox::Yes, [&] { Key(&form, Qt::Key_Delete); }),
             (QStringList{"Move the 2 selected duplicates (6 bytes) to the trash?\n"
                          "You can restore them from the trash later.",
                          "2 files (6 bytes) were moved to the trash."}));
}

void MessageTextsTest::resultsTrashWithNothingSelectedSaysSo() {
    ShownWindows app(1);
    TestFolder tree;
    TForm1& form = app.form1;
    ShowTestLists(form, TestLists({tree.write("a", "abc")}, {"0"}, {tree.write("b", "abc")}));
    form.LBB2->setFocus();
    QCOMPARE(AnswerMessageBoxes([&] { Key(&form, Qt::Key_Delete); }),
             QStringList{QString::fromStdString(form.StringTable1.GetKeyText("IDS_69"))});
    QVERIFY(QFile::exists(QString::fromStdString(tree.path("b"))));
}

void MessageTextsTest::setsTrashAndExportSayWhatWasDoneInTheSingular() {
    ShownWindows app(3);
    TestFolder tree;
    TForm1& form = app.form1;
    ShowTestLists(form, TestLists({tree.write("a", "abc")}, {"0"}, {tree.write("a_copy", "abc")}));
    form.PageControl1->setCurrentWidget(form.TB3);
    QTest::qWait(50); // the page is laid out

    // Ctrl+E exports; a failed export says only why.
    {
        const auto chooser = Choosing(tree.path("sets.csv"));
        QCOMPARE(AnswerMessageBoxes([&] { Key(&form, Qt::Key_E, Qt::ControlModifier); }),
                 QStringList{QString::fromStdString("1 ensemble et 2 fichiers ont été écrits dans "
                                                    "«\u00A0" +
                                                    tree.path("sets.csv") + "\u00A0».")});
    }
    {
        const auto chooser = Choosing(tree.path("missing/sets.csv"));
        const QStringList shown =
            AnswerMessageBoxes([&] { Key(&form, Qt::Key_E, Qt::ControlModifier); });
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].startsWith("Cannot create file"), qPrintable(shown[0]));
    }

    Click(form.TB3->KeepShortest);
    QCOMPARE(form.TB3->SetsTotal->text(),
             QString("Marqués\u00A0: 1 fichier, 3 octets à libérer. En tout\u00A0: 1 ensemble, "
                     "3 octets peuvent être libérés."));
    const auto trash = Deleting();
    QCOMPARE(AnswerMessageBoxesWith(QMessageBox::Yes, [&] { Click(form.TB3->TrashMarked); }),
             (QStringList{"Mettre 1 fichier marqué (3 octets) à la corbeille\u00A0? Il est comparé "
                          "encore une fois avec une copie que son ensemble garde.",
                          "1 fichier (3 octets) a été mis à la corbeille."}));
}

void MessageTextsTest::messageBoxesAreAsWideAsTheirTitles() {
    ShownWindows app(2); // Portuguese has the longest titles
    app.form1.PageControl1->setCurrentWidget(app.form1.TB3);
    QTest::qWait(50);
    QList<std::pair<int, int>> widths; // each box's, and what its title needs
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            widths << std::pair{box->width(), TitleWidth(*box)};
            box->done(QMessageBox::Ok);
        }
    });
    poll.start();
    Click(app.form1.TB3->TrashMarked); // "No file is marked."
    RunGuarded(&app.form1, [] { throw Exception("x"); });
    QCOMPARE(widths.size(), 2);
    for (auto [width, needed] : widths)
        QVERIFY2(width >= needed, qPrintable(QString("%1 < %2").arg(width).arg(needed)));
}

void MessageTextsTest::sizeBoundsAreInKibibytes() {
    const char* const units[] = {"KiB", "KiB", "Kio"};
    for (int language = 1; language <= 3; ++language) {
        ShownWindows app(language);
        const QString unit = units[language - 1];
        for (const char* label : {"Label9", "Label11"})
            QCOMPARE(app.form1.TB1->findChild<QLabel*>(label)->text(), unit);
        QVERIFY(app.form1.TB1->SizeMax->toolTip().contains(unit));
        app.form1.TB1->SizeMax->setFocus();
        for (char digit : std::string(14, '9'))
            QTest::keyClick(app.form1.windowHandle(), digit);
        app.form1.TB1->Edit2->setText(QString::fromStdString(app.folder.path()));
        const QStringList shown =
            AnswerMessageBoxes([&] { Key(&app.form1, Qt::Key_D, Qt::ControlModifier); });
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].endsWith(unit + "."), qPrintable(shown[0]));
    }
}

void MessageTextsTest::aFileThatIsNoProjectIsCalledSo() {
    ShownWindows app(3);
    using namespace std::string_literals;
    const std::string picture =
        app.folder.write("photo.jpg", "\xFF\xD8\xFF\xE0\r\nJFIF\r\n\r\n\x01\x02\0\0"s);
    const auto chooser = Choosing(picture);
    QCOMPARE(AnswerMessageBoxes([&] { Key(&app.form1, Qt::Key_O, Qt::ControlModifier); }),
             QStringList{QString::fromStdString("«\u00A0" + picture +
                                                "\u00A0» n’est pas un projet Twinsweep.")});
    QVERIFY(app.form1.session.Lists().LBB1.empty());
}
