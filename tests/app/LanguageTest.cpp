#include "LanguageTest.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "ByteSizeText.h"
#include "DateTime.h"
#include "FolderDialog.h"
#include "TestWindows.h"

using namespace twinsweep;

namespace {

// The text of the Yes button of a new message box, without its "&".
QString YesButtonText() {
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text().remove('&');
}

QString Caption(const TStringTable& table, const std::string& element, int language) {
    for (const TranslationEntry& entry : table.List(TranslationList::Captions))
        if (entry.element == element)
            return QString::fromStdString(entry.values.Get(language));
    return {};
}

// The title as the window system gets it: Qt adds the application's display name unless
// the title ends with it.
QString ShownTitle(const QWidget* window) {
    const QString program = QApplication::applicationDisplayName();
    const QString title = window->windowTitle();
    return title.endsWith(program) ? title : title + " \u2014 " + program;
}

void StartIn(TestWindows& app, int language) {
    app.writeSettings("0\r\n" + std::to_string(language) + "\r\n");
    app.form1.T2Timer();
}

// Answers the next message box with No and returns its text and its buttons' texts.
QStringList AnswerNoAndRead(const std::function<void()>& action) {
    QStringList seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen << box->text() << box->button(QMessageBox::Yes)->text()
                 << box->button(QMessageBox::No)->text();
            box->button(QMessageBox::No)->click();
        }
    });
    poll.start();
    action();
    return seen;
}

} // namespace

void LanguageTest::qtTextsAndLocaleFollowTheLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("yes");
    QTest::newRow("Português") << 2 << "qtbase_pt_BR.qm"
                               << "Sim";
    QTest::newRow("Français") << 3 << "qtbase_fr.qm"
                              << "Oui";
}

void LanguageTest::qtTextsAndLocaleFollowTheLanguage() {
    QFETCH(int, language);
    QFETCH(QString, file);
    QFETCH(QString, yes);
    TestWindows app;
    StartIn(app, language);
    QCOMPARE(QLocale(), LanguageLocale());
    QCOMPARE(app.form1.TB1->AfterDate->locale(), LanguageLocale());
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/" + file))
        QSKIP("Qt's translations are not installed");
    QCOMPARE(YesButtonText(), yes);
    app.form1.Language1->trigger();
    QCOMPARE(YesButtonText(), QString("Yes"));
    QCOMPARE(QLocale(), QLocale(QLocale::English, QLocale::UnitedStates));
}

void LanguageTest::menuSwitchesEveryWindowBetweenAnyTwoLanguages() {
    TestWindows app;
    StartIn(app, 2);
    TForm1& form = app.form1;
    AppendTestFile(form, "/f/", "x", 1, EncodeDate(2006, 4, 5) + EncodeTime(13, 7, 8, 0));
    const QAbstractItemModel* table = form.SG1->model();
    const QDateTime bound(QDate(2006, 4, 5), QTime(13, 7, 8));
    form.TB1->AfterDate->setDateTime(bound);
    const std::pair<QWidget*, const TStringTable*> windows[] = {
        {&form, &form.StringTable1},
        {app.form2, &app.form2->StringTable1},
        {app.form3, &app.form3->StringTable1},
        {app.form4, &app.form4->StringTable1},
        {app.form5, &app.form5->StringTable1}};
    const char* const dates[] = {"4/5/06 1:07:08 PM", "05/04/2006 13:07:08", "05/04/2006 13:07:08"};
    QAction* const items[] = {form.Language1, form.Language2, form.Language3};
    for (int language : {3, 1, 2, 1, 3}) {
        items[language - 1]->trigger();
        QCOMPARE(LanguageIndex, language);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(items[i]->isChecked(), i + 1 == language);
        for (auto [window, strings] : windows) {
            QCOMPARE(strings->ActiveLanguage(), language);
            QCOMPARE(window->windowTitle(),
                     Caption(*strings, strings->Target()->WindowName(), language));
        }
        QCOMPARE(form.MnNova->text(), Caption(form.StringTable1, "MnNova", language));
        QCOMPARE(form.Idioma1->title(), Caption(form.StringTable1, "Idioma1", language));
        QCOMPARE(form.PageControl1->tabText(0), Caption(form.StringTable1, "TB1", language));
        QCOMPARE(app.form5->CheckBox1->text(),
                 Caption(app.form5->StringTable1, "CheckBox1", language));
        // The table's headings and dates, and the pickers.
        QCOMPARE(table->headerData(3, Qt::Horizontal).toString(),
                 QString::fromStdString(form.StringTable1.GetKeyText("IDS_3")));
        QCOMPARE(table->index(0, 3).data().toString(), QString(dates[language - 1]));
        QCOMPARE(form.TB1->BeforeDate->displayFormat(),
                 LanguageLocale().dateFormat(QLocale::ShortFormat));
        QCOMPARE(form.TB1->AfterDate->dateTime(), bound); // the time it does not show too
        QCOMPARE(app.settings(), "0\r\n" + std::to_string(language) + "\r\n");
    }
    // A failed write is silent; the choice holds until the program ends.
    SettingsDir = app.folder.path("no-such-folder/");
    QVERIFY(AnswerMessageBoxes([&] { form.Language2->trigger(); }).isEmpty());
    QCOMPARE(form.LB1, (TextLines{"0", "2"}));
    QCOMPARE(app.settings(), std::string("0\r\n3\r\n"));
}

void LanguageTest::menuWritesLineTwoAndKeepsTheRest() {
    const std::pair<std::string, std::string> files[] = {
        {"", "1\r\n2\r\n"}, {"0", "0\r\n2\r\n"}, {"0\n3\nthree\n", "0\r\n2\r\nthree\r\n"}};
    for (const auto& [before, after] : files) {
        TestWindows app;
        app.writeSettings(before);
        app.form1.T2Timer();
        app.form1.Language2->trigger();
        QCOMPARE(app.settings(), after);
    }
}

void LanguageTest::folderDialogSpeaksTheLanguage() {
    TestWindows app;
    StartIn(app, 3);
    FolderDialog dialog(&app.form1, app.folder.path());
    QCOMPARE(dialog.windowTitle(), QString("Choisissez un dossier"));
    QCOMPARE(dialog.Buttons->button(QDialogButtonBox::Cancel)->text(), QString("&Annuler"));
    QCOMPARE(dialog.Buttons->button(QDialogButtonBox::Help)->text(), QString("&Aide"));
    dialog.PathEdit->setText(QString::fromStdString(app.folder.path("missing")));
    QCOMPARE(AnswerNoAndRead([&] { dialog.accept(); }),
             (QStringList{"Le dossier indiqué n’existe pas. Voulez-vous le créer\u00a0?", "&Oui",
                          "&Non"}));
}

void LanguageTest::titlesNameTheProgramOnce() {
    for (int language = 1; language <= 3; ++language) {
        TestWindows app;
        StartIn(app, language);
        FolderDialog folders(&app.form1, app.folder.path());
        for (const QWidget* window : std::initializer_list<const QWidget*>{
                 &app.form1, app.form2, app.form3, app.form4, app.form5, &folders})
            QVERIFY2(ShownTitle(window).count("Twinsweep") == 1, qPrintable(ShownTitle(window)));
    }
}
