#include "WindowCommandsTest.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include "JpegImage.h"
#include "LanguageTexts.h"
#include "ShellAccess.h"
#include "SystemFolders.h"
#include "TestWindows.h"
#include "WidgetTranslator.h"

using namespace twinsweep;

void WindowCommandsTest::guideButtonAndAboutLinkOpenTheSamePagePerLanguage() {
    TestWindows app;
    std::vector<std::string> opened;
    const ScopedHook opener(CurrentShellOpener(), RecordingOpener(opened));
    AppDir = "/settings/elsewhere/"; // the guide comes with the program's data, not its settings
    for (int language = 1; language <= 3; ++language) {
        LanguageIndex = language;
        opened.clear();
        app.form1.BT7->click();
        app.form1.Odontograma2->trigger();
        QTest::mouseClick(app.form4->Label2, Qt::LeftButton);
        QCOMPARE(opened.size(), size_t(3));
        QCOMPARE(opened[1], opened[0]);
        QCOMPARE(opened[2], opened[0]);
        QCOMPARE(opened[0], DataFolder() + LanguageTargetName(language));
    }
    LanguageIndex = 2;
    opened.clear();
    app.form1.BT7Click();
    const std::string second = opened.at(0);
    LanguageIndex = 3;
    app.form1.BT7Click();
    QVERIFY(opened.at(1) != second);
}

void WindowCommandsTest::welcomeCommandBringsTheOpenWindowToTheFront() {
    TestWindows app;
    app.form1.show();
    app.form1.BT5->click();
    QVERIFY(app.form5->isVisible());
    app.form1.raise();
    app.form1.Planilha2->trigger();
    QVERIFY(app.form5->isVisible());
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        shown += window->isVisible() && window->objectName() == "TForm5";
    QCOMPARE(shown, 1);
    app.form5->close(); // the frame's close button hides it, like SpeedButton1
    QVERIFY(!app.form5->isVisible());
    app.form1.hide();
}

void WindowCommandsTest::escapeClosesTheWelcomeWindow() {
    TestWindows app;
    app.form1.BT5Click();
    QVERIFY(QTest::qWaitForWindowExposed(app.form5));
    // From the check box too, which is left as it was.
    app.form5->CheckBox1->setFocus();
    const bool checked = app.form5->CheckBox1->isChecked();
    QTest::keyClick(app.form5->window()->windowHandle(), Qt::Key_Escape);
    QVERIFY(!app.form5->isVisible());
    QCOMPARE(app.form5->CheckBox1->isChecked(), checked);
    app.form1.Planilha2->trigger();
    QVERIFY(app.form5->isVisible());
    app.form5->hide();
}

void WindowCommandsTest::aboutWindowIsModalAndClosesWithItsButton() {
    TestWindows app;
    bool wasModal = false;
    QTimer::singleShot(50, [&] {
        wasModal = QApplication::activeModalWidget() == app.form4;
        app.form4->SpeedButton1->click();
    });
    app.form1.Pacientes1->trigger();
    QVERIFY(wasModal);
    QVERIFY(!app.form4->isVisible());
}

void WindowCommandsTest::pickersFollowTheirCheckBoxes() {
    TestWindows app;
    const std::pair<QCheckBox*, QDateTimeEdit*> pairs[] = {
        {app.form1.TB1->BD, app.form1.TB1->BeforeDate},
        {app.form1.TB1->BT, app.form1.TB1->BeforeTime},
        {app.form1.TB1->AD, app.form1.TB1->AfterDate},
        {app.form1.TB1->AT, app.form1.TB1->AfterTime}};
    for (auto [box, picker] : pairs) {
        QVERIFY(!picker->isEnabled());
        box->click();
        QVERIFY(picker->isEnabled());
        box->click();
        QVERIFY(!picker->isEnabled());
    }
}

void WindowCommandsTest::everyElementIsThereByName() {
    TestWindows app;
    const char* names[] = {"MainMenu1",
                           "Arquivo1",
                           "Modulos1",
                           "MnNova",
                           "Chercherlesdoublons1",
                           "Ouvrirunprojet1",
                           "Enregistrerleprojet1",
                           "Fechar1",
                           "Planilha2",
                           "Pacientes1",
                           "Odontograma2",
                           "N2",
                           "N4",
                           "PopupMenu1",
                           "Trocar1",
                           "BT1",
                           "BT2",
                           "BT4",
                           "BT5",
                           "BT6",
                           "BT7",
                           "BT8",
                           "BT9",
                           "BT10",
                           "B1",
                           "PageControl1",
                           "TB1",
                           "TB2",
                           "Edit2",
                           "CK2",
                           "Edit1",
                           "CK1",
                           "Attributes",
                           "Archive",
                           "Readonly",
                           "Hidden",
                           "System",
                           "FileSize",
                           "SizeMin",
                           "SizeMax",
                           "Label8",
                           "Label9",
                           "Label10",
                           "Label11",
                           "DateRangeChoice",
                           "BD",
                           "BeforeDate",
                           "BT",
                           "BeforeTime",
                           "AD",
                           "AfterDate",
                           "AT",
                           "AfterTime",
                           "SG1",
                           "LBB1",
                           "LBB2",
                           "Splitter2",
                           "Ld1",
                           "Ld3",
                           "Ld4",
                           "Shader1",
                           "PN",
                           "Panel1",
                           "Panel3",
                           "Panel4",
                           "Panel5",
                           "Panel6",
                           "Label1",
                           "Label2",
                           "Label3",
                           "Label21",
                           "Label23"};
    for (const char* name : names)
        QVERIFY2(app.form1.findChild<QObject*>(name) != nullptr, name);
    QVERIFY(app.form1.findChild<QObject*>("BT3") == nullptr);
    QCOMPARE(app.form1.Ld1->Indicatorstring(), QString("0"));
}

void WindowCommandsTest::everyElementOfTheLanguageFilesIsInItsWindow() {
    // A name the window does not have is skipped silently when translating: catch it here.
    TestWindows app;
    const std::pair<QWidget*, const TStringTable*> windows[] = {
        {&app.form1, &app.form1.StringTable1},
        {app.form2, &app.form2->StringTable1},
        {app.form3, &app.form3->StringTable1},
        {app.form4, &app.form4->StringTable1},
        {app.form5, &app.form5->StringTable1}};
    for (const auto& [window, table] : windows) {
        const WidgetTranslator translator(window);
        for (TranslationList list :
             {TranslationList::Captions, TranslationList::Hints, TranslationList::DisplayLabels,
              TranslationList::Fonts, TranslationList::MultiLines, TranslationList::OtherStrings,
              TranslationList::Collections})
            for (const TranslationEntry& entry : table->List(list)) {
                const std::string where = translator.WindowName() + ": " + entry.element;
                QVERIFY2(entry.element == translator.WindowName() ||
                             translator.HasElement(entry.element),
                         where.c_str());
            }
    }
}

void WindowCommandsTest::picturesDecodeAndBadFilesGiveNothing() {
    const QImage picture = LoadJpeg(TWINSWEEP_SOURCE_DIR "/resources/pictures/welcome-groups.jpg");
    QCOMPARE(picture.size(), QSize(440, 420));
    TestFolder folder;
    QVERIFY(LoadJpeg(folder.write("bad.jpg", std::string(5000, 'x'))).isNull());
    QVERIFY(LoadJpeg(folder.write("empty.jpg", "")).isNull());
    QVERIFY(LoadJpeg(folder.path("missing.jpg")).isNull());
}
