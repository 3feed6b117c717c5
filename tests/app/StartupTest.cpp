#include "StartupTest.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <condition_variable>
#include <fcntl.h>
#include <fstream>
#include <mutex>
#include <sys/mount.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "DateTime.h"
#include "PickerValues.h"
#include "ShellAccess.h"
#include "TestWindows.h"
#include "ThreadTimer.h"

using namespace twinsweep;

namespace {

// Gives a FIFO a reader once `limit` has passed, so that a writer blocked in open() gets
// through and the test fails instead of hanging.
class FifoWatchdog {
public:
    FifoWatchdog(const std::string& fifo, std::chrono::seconds limit)
        : thread_([this, fifo, limit] {
              std::unique_lock lock(mutex_);
              if (!stopped_.wait_for(lock, limit, [this] { return stop_; }))
                  reader_ = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
          }) {}
    ~FifoWatchdog() {
        if (thread_.joinable())
            Stop();
    }

    // Ends the watch; true when the reader had to step in.
    bool Stop() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        stopped_.notify_one();
        thread_.join();
        if (reader_ < 0)
            return false;
        ::close(reader_);
        return true;
    }

private:
    std::mutex mutex_;
    std::condition_variable stopped_;
    bool stop_ = false;
    int reader_ = -1;
    std::thread thread_;
};

// Bytes this process has read through read() and its kin so far.
int64_t BytesRead() {
    std::ifstream io("/proc/self/io");
    std::string key;
    int64_t value = 0;
    while (io >> key >> value)
        if (key == "rchar:")
            return value;
    return -1;
}

} // namespace

void StartupTest::missingSettingsFileIsCreatedAndTheDefaultsHold() {
    TestWindows app;
    app.form1.T2Timer();
    QCOMPARE(LanguageIndex, 1);
    QCOMPARE(AppDir, app.folder.path());
    QVERIFY(app.form5->isVisible());
    QVERIFY(app.form5->CheckBox1->isChecked());
    // Created empty (or holding "1"): both read the same at the next start.
    const std::string content = app.settings();
    QVERIFY(content.empty() || content == "1\r\n");
    QVERIFY(!app.form1.TempDir.empty() && app.form1.TempDir.back() == '/');
}

void StartupTest::settingsChooseLanguageAndWelcomeWindow_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("welcome");
    QTest::newRow("only 1") << QByteArray("1") << 1 << true;
    QTest::newRow("0 then 3") << QByteArray("0\r\n3") << 3 << false;
    QTest::newRow("1 then 2") << QByteArray("1\r\n2\r\n") << 2 << true;
    QTest::newRow("4") << QByteArray("1\r\n4\r\n") << 1 << true;
    QTest::newRow("0") << QByteArray("1\r\n0\r\n") << 1 << true;
    QTest::newRow("-2") << QByteArray("1\r\n-2\r\n") << 1 << true;
    QTest::newRow("word") << QByteArray("1\r\ntwo\r\n") << 1 << true;
    QTest::newRow("blank before 2") << QByteArray("1\r\n 2\r\n") << 2 << true;
    QTest::newRow("blank after 2") << QByteArray("1\r\n2 \r\n") << 1 << true;
    QTest::newRow("hexadecimal 3") << QByteArray("1\r\n$3\r\n") << 3 << true;
    QTest::newRow("too large") << QByteArray("1\r\n4294967299\r\n") << 1 << true;
    QTest::newRow("1 then blank") << QByteArray("1 \r\n2\r\n") << 2 << false;
    QTest::newRow("a word") << QByteArray("yes\r\n2\r\n") << 2 << false;
    QTest::newRow("empty line 1") << QByteArray("\r\n3\r\n") << 3 << false;
    QTest::newRow("LF only") << QByteArray("0\n2\n") << 2 << false;
    QTest::newRow("CR only") << QByteArray("0\r3\r") << 3 << false;
    QTest::newRow("NUL ends the text") << QByteArray("0\r\n", 3) + QByteArray(1, '\0') + "3\r\n"
                                       << 1 << false;
}

void StartupTest::settingsChooseLanguageAndWelcomeWindow() {
    QFETCH(QByteArray, file);
    QFETCH(int, language);
    QFETCH(bool, welcome);
    TestWindows app;
    app.writeSettings(file.toStdString());
    app.form1.T2Timer();
    QCOMPARE(LanguageIndex, language);
    QCOMPARE(app.form5->isVisible(), welcome);
    QCOMPARE(app.form5->CheckBox1->isChecked(), welcome);
}

void StartupTest::readingAloneNeverRewritesTheFile() {
    TestWindows app;
    app.writeSettings("0\n3"); // a rewrite would end every line in CR LF
    app.form1.T2Timer();
    QCOMPARE(app.settings(), std::string("0\n3"));
    app.form5->CheckBox1->setChecked(true);
    QCOMPARE(app.settings(), std::string("1\r\n3\r\n"));
}

void StartupTest::uncheckingTheBoxRewritesLineOneAndKeepsTheRest_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("two lines") << QByteArray("1\r\n2\r\n") << QByteArray("0\r\n2\r\n");
    QTest::newRow("empty file") << QByteArray("") << QByteArray("0\r\n");
    QTest::newRow("five lines") << QByteArray("1\n2\nthree\n\nfive")
                                << QByteArray("0\r\n2\r\nthree\r\n\r\nfive\r\n");
}

void StartupTest::uncheckingTheBoxRewritesLineOneAndKeepsTheRest() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    TestWindows app;
    app.writeSettings(before.toStdString());
    app.form1.T2Timer();
    QVERIFY(app.form5->CheckBox1->isChecked());
    app.form5->CheckBox1->click();
    QCOMPARE(QByteArray::fromStdString(app.settings()), after);
    // Closing and reopening the window keeps the box as it was.
    app.form5->SpeedButton1->click();
    QVERIFY(!app.form5->isVisible());
    app.form1.BT5Click();
    QVERIFY(app.form5->isVisible());
    QVERIFY(!app.form5->CheckBox1->isChecked());
}

void StartupTest::failingWriteOfTheBoxIsSilent() {
    TestWindows app;
    app.writeSettings("1\r\n");
    app.form1.T2Timer();
    SettingsDir = app.folder.path("no-such-folder/");
    const QStringList shown = AnswerMessageBoxes([&] { app.form5->CheckBox1->click(); });
    QVERIFY(shown.isEmpty());
    QCOMPARE(app.form1.LB1, TextLines{"0"}); // the setting holds until the program ends
    QCOMPARE(app.settings(), std::string("1\r\n"));
}

void StartupTest::readOnlyProgramFolderKeepsTheSettingsInTheUsersFolder() {
    TestFolder scratch;
    const std::string programFolder = scratch.path("program/");
    scratch.write("program/conf.dat", "0\r\n3\r\n");
    // Root writes anywhere but on a file system mounted read-only.
    const bool root = ::geteuid() == 0;
    if (root && ::mount("tmpfs", programFolder.c_str(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("no file system to mount read-only");
    if (root)
        scratch.write("program/conf.dat", "0\r\n3\r\n");
    QCOMPARE(root
                 ? ::mount(nullptr, programFolder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr)
                 : ::chmod(programFolder.c_str(), 0500),
             0);
    const auto restore = qScopeGuard([&] {
        QCOMPARE(root ? ::umount(programFolder.c_str()) : ::chmod(programFolder.c_str(), 0700), 0);
    });
    {
        TestWindows app(programFolder);
        QVERIFY(AnswerMessageBoxes([&] { app.form1.T2Timer(); }).isEmpty());
        // The program's settings came along: French, no welcome window.
        QCOMPARE(LanguageIndex, 3);
        QVERIFY(!app.form5->isVisible());
        const std::string users = app.folder.path("config/twinsweep/");
        QCOMPARE(SettingsDir, users);
        app.form5->CheckBox1->click();
        QCOMPARE(app.folder.read("config/twinsweep/conf.dat"), std::string("1\r\n3\r\n"));
        // The last search's criteria come back at the next start, from the same folder.
        app.form1.TB1->CK1->setChecked(false);
        scratch.write("searched/only", "x");
        app.form1.TB1->Edit2->setText(QString::fromStdString(scratch.path("searched")));
        AnswerMessageBoxes([&] { app.form1.BT1Click(); });
        TestWindows next(programFolder);
        setenv("XDG_CONFIG_HOME", app.folder.path("config").c_str(), 1);
        next.form1.T2Timer();
        QCOMPARE(next.form1.SearchFolder, scratch.path("searched/"));
        QVERIFY(!next.form1.TB1->CK1->isChecked());
    }
}

void StartupTest::unwritableSettingsFoldersShowOneErrorAndKeepTheWindowUsable() {
    TestFolder scratch;
    // A folder path below a plain file can be neither read nor written, even by root.
    const std::string programFolder = scratch.write("file", "") + "/";
    TestWindows app(programFolder);
    setenv("XDG_CONFIG_HOME", programFolder.c_str(), 1);
    const QString builtInTitle = app.form1.windowTitle();
    const QStringList shown = AnswerMessageBoxes([&] { app.form1.T2Timer(); });
    QCOMPARE(shown, QStringList{QString::fromStdString("Cannot create file \"" + programFolder +
                                                       "conf.dat\". Not a directory.")});
    QCOMPARE(LanguageIndex, 0);
    QVERIFY(!app.form5->isVisible());
    QCOMPARE(app.form1.windowTitle(), builtInTitle);
    QVERIFY(app.form1.BT1->isEnabled());
    // Without a language there is no guide page to open.
    std::string opened = "nothing";
    {
        const ScopedHook opener(CurrentShellOpener(),
                                ShellOpener([&](const std::string& target, std::string*) {
                                    opened = target;
                                    return true;
                                }));
        app.form1.BT7Click();
    }
    QCOMPARE(opened, std::string("nothing"));
    // The trash question still has its words, in the first language.
    app.form1.session.Adopt(
        TestLists({scratch.write("reference", "ab")}, {"0"}, {scratch.write("duplicate", "ab")}));
    app.form1.session.SetSelected(0, true);
    const QStringList asked =
        AnswerMessageBoxesWith(QMessageBox::No, [&] { app.form1.BT4Click(); });
    QCOMPARE(asked, QStringList{"Move 1 selected duplicate (2 bytes) to the trash?\n"
                                "You can restore it from the trash later."});
}

void StartupTest::settingsFifoIsRefusedWithoutWaiting() {
    TestWindows app;
    const std::string fifo = app.folder.path("conf.dat");
    QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
    FifoWatchdog watchdog(fifo, std::chrono::seconds(10));
    const QStringList shown = AnswerMessageBoxes([&] { app.form1.T2Timer(); });
    // Without a reader nothing can have been written into it either.
    QVERIFY2(!watchdog.Stop(), "the start-up waited for a reader of the FIFO");
    QCOMPARE(shown, QStringList{QString::fromStdString("Cannot create file \"" + fifo +
                                                       "\". Not a regular file.")});
    QCOMPARE(LanguageIndex, 0);
    QVERIFY(!app.form5->isVisible());
}

void StartupTest::hugeSettingsFileIsReadOnlyAsFarAsTheSettingsNeed() {
    TestWindows app;
    app.writeSettings("0\r\n2\r\n");
    QCOMPARE(::truncate(app.folder.path("conf.dat").c_str(), int64_t{3} << 30), 0); // sparse
    const int64_t before = BytesRead();
    app.form1.T2Timer();
    QVERIFY(BytesRead() - before < (1 << 20));
    QCOMPARE(LanguageIndex, 2);
    QVERIFY(!app.form5->isVisible());
}

void StartupTest::onlyTheFirstActivationArmsTheTimer() {
    TestWindows app;
    QVERIFY(!app.form1.T2->Enabled());
    app.form1.FormActivate();
    QVERIFY(app.form1.ActivatedOnce);
    QVERIFY(app.form1.T2->Enabled());
    app.form1.T2Timer();
    QVERIFY(!app.form1.T2->Enabled());
    app.form1.FormActivate();
    QVERIFY(!app.form1.T2->Enabled());
}

void StartupTest::timerRunsTheSequenceOnceAfterTheWindowAppears() {
    TestWindows app;
    app.writeSettings("1\r\n3\r\n");
    app.form1.show();
    QTRY_VERIFY_WITH_TIMEOUT(app.form5->isVisible(), 10000);
    QCOMPARE(LanguageIndex, 3);
    // Later activations and ticks do nothing more.
    app.form5->hide();
    app.form1.FormActivate();
    QTest::qWait(app.form1.T2->Interval() * 3);
    QVERIFY(!app.form5->isVisible());
    app.form1.hide();
}

void StartupTest::everyWindowTakesTheLanguage() {
    for (int language = 1; language <= 3; ++language) {
        TestWindows app;
        app.writeSettings("0\r\n" + std::to_string(language) + "\r\n");
        app.form1.T2Timer();
        const std::vector<std::pair<QWidget*, TStringTable*>> windows{
            {&app.form1, &app.form1.StringTable1},
            {app.form2, &app.form2->StringTable1},
            {app.form3, &app.form3->StringTable1},
            {app.form4, &app.form4->StringTable1},
            {app.form5, &app.form5->StringTable1}};
        for (auto [window, table] : windows) {
            QCOMPARE(table->ActiveLanguage(), language);
            for (const TranslationEntry& entry : table->Captions())
                if (entry.element == window->objectName().toStdString())
                    QCOMPARE(window->windowTitle().toStdString(), entry.values.Get(language));
        }
    }
}

void StartupTest::pickersGetTodayAndKeepTheirOtherPart() {
    TestWindows app;
    const TDateTime earlier = EncodeDate(2001, 2, 3) + EncodeTime(4, 5, 6, 0);
    for (QDateTimeEdit* picker : {app.form1.TB1->BeforeDate, app.form1.TB1->AfterDate,
                                  app.form1.TB1->BeforeTime, app.form1.TB1->AfterTime})
        picker->setDateTime(ToQDateTime(earlier));
    app.form1.T2Timer();
    const TDateTime now = Now();
    for (QDateTimeEdit* picker : {app.form1.TB1->BeforeDate, app.form1.TB1->AfterDate}) {
        const TDateTime value = ToDateTime(picker->dateTime());
        QCOMPARE(DateTimeInt(value), DateTimeInt(now));
        QCOMPARE(DecodeTime(value), (TimeParts{4, 5, 6, 0}));
    }
    for (QDateTimeEdit* picker : {app.form1.TB1->BeforeTime, app.form1.TB1->AfterTime}) {
        const TDateTime value = ToDateTime(picker->dateTime());
        QCOMPARE(DecodeDate(value), (DateParts{2001, 2, 3}));
        QVERIFY(std::abs(DateTimeFrac(value) - DateTimeFrac(now)) < 60.0 / 86400);
    }
    QVERIFY(!app.form1.TB1->BD->isChecked() && !app.form1.TB1->AD->isChecked());
}
