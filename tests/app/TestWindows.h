#pragma once
// The five windows of the program, created in their order over a test program folder.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "CriteriaPage.h"
#include "Globals.h"
#include "LinkLabel.h"
#include "ProgramWindows.h"
#include "QtHost.h"
#include "QtLanguage.h"
#include "ResultsPage.h"
#include "ShellAccess.h"
#include "TBitmapButton.h"
#include "TMediaButton.h"
#include "TestFolder.h"
#include "ThreadTimer.h"
#include "WaitingGradient.h"
#include "ZarvoLiquidIndicator.h"

namespace twinsweep {

struct TestWindows {
    // programFolder: where the windows look for "conf.dat" (a fresh temporary folder by default).
    explicit TestWindows(const std::string& programFolder = "")
        : windows(host, programFolder.empty() ? folder.path() : programFolder) {
        AppDir.clear();
        SettingsDir.clear();
        LanguageIndex = 0;
        // The user's settings of these windows' runs stay in their own folder.
        setenv("XDG_CONFIG_HOME", folder.path("config").c_str(), 1);
    }

    std::string settings() const { return folder.read("conf.dat"); }
    void writeSettings(const std::string& content) const { folder.write("conf.dat", content); }

    // Qt's texts and the default locale as before any language is chosen, from before the
    // windows are made.
    bool qtLanguageReset = (ResetQtLanguage(), true);
    TestFolder folder;
    QtHost host;
    ProgramWindows windows;
    TForm1& form1 = windows.form1;
    TForm2* form2 = windows.form2;
    TForm3* form3 = windows.form3;
    TForm4* form4 = windows.form4;
    TForm5* form5 = windows.form5;
};

// Puts `value` into a replaceable hook (the shell opener, the trash) for one scope, so a
// failing test cannot leave its callback behind for the next.
template <typename Hook> class ScopedHook {
public:
    ScopedHook(Hook& hook, Hook value)
        : hook_(hook), saved_(std::exchange(hook, std::move(value))) {}
    ~ScopedHook() { hook_ = std::move(saved_); }
    ScopedHook(const ScopedHook&) = delete;
    ScopedHook& operator=(const ScopedHook&) = delete;

private:
    Hook& hook_;
    Hook saved_;
};

// An opener that records what it is asked to open and opens nothing.
// Result lists as a scan leaves them: the references, the group of each duplicate, the
// duplicates.
inline ResultLists TestLists(const TextLines& references, const TextLines& groups,
                             const TextLines& duplicates) {
    ResultLists lists;
    lists.LBB1 = references;
    lists.LL1 = groups;
    lists.LBB2 = duplicates;
    return lists;
}

// The window's session takes `lists`, and the window shows them.
inline void ShowTestLists(TForm1& form, ResultLists lists) {
    form.session.Adopt(std::move(lists));
    form.ShowLists();
}

// The window's table with one more file.
template <typename Date>
void AppendTestFile(TForm1& form, const std::string& folder, const std::string& name, int64_t size,
                    const Date& modified) {
    FileTable table = form.session.Table();
    table.Append(folder, name, size, modified);
    form.session.Adopt(std::move(table));
}

inline ShellOpener RecordingOpener(std::vector<std::string>& opened) {
    return [&opened](const std::string& target, std::string*) {
        opened.push_back(target);
        return true;
    };
}

// Answers every message box that opens while `action` runs with `button`, and returns
// their texts.
inline QStringList AnswerMessageBoxesWith(QMessageBox::StandardButton button,
                                          const std::function<void()>& action,
                                          QStringList* details = nullptr) {
    QStringList texts;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texts << box->text();
            if (details)
                *details << box->detailedText();
            if (QAbstractButton* answer = box->button(button))
                answer->click();
            else
                box->done(button);
        }
    });
    poll.start();
    action();
    return texts;
}

inline QStringList AnswerMessageBoxes(const std::function<void()>& action) {
    return AnswerMessageBoxesWith(QMessageBox::Ok, action);
}

// Searches `folder` and scans what it finds, as the search button does; the texts of the
// message boxes shown on the way, each answered with OK.
inline QStringList SearchAndScan(TestWindows& app, const std::string& folder) {
    app.form1.SearchFolder = folder;
    app.form1.TB1->Edit2->setText(QString::fromStdString(folder));
    return AnswerMessageBoxes([&] { app.form1.BT1Click(); });
}

// Shows the main window and runs its start-up (settings, last search, welcome window) at
// once, as its timer would a moment later: on a slow machine the timer otherwise fires in
// the middle of a test and resets what the test chose.
inline void ShowStarted(TForm1& form) {
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(form.ActivatedOnce);
    if (form.T2->Enabled())
        form.T2Timer();
}

// Input as the window system sends it: to the QWindow of the widget's window, which hands it
// on to the widget, so that every filter on the way sees it as a real event does.
inline void ClickThroughWindow(QWidget* widget, QPoint at = {},
                               Qt::MouseButton button = Qt::LeftButton,
                               Qt::KeyboardModifiers modifiers = {}) {
    if (at.isNull())
        at = widget->rect().center();
    QTest::mouseClick(widget->window()->windowHandle(), button, modifiers,
                      widget->mapTo(widget->window(), at));
}

// Keys go to the active window: it becomes active first, as a user's click would make it.
inline void KeyThroughWindow(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* window = widget->window();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window->windowHandle(), key, modifiers);
}

} // namespace twinsweep
