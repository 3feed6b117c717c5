// One search and duplicate scan of a folder, through the main window or headless:
//   window_scan_bench window|headless FOLDER
//   window_scan_bench cancel|cancel-cold FOLDER MS
// window: the real main window (offscreen) from BT1Click until the scan's report box shows,
// the window repainted; every message box is answered at once. The scan window's closing
// pause (T1) is set to 0: it is a wait, not work. The first group's selection that follows
// the report is timed apart.
// headless: the same session without a window: its search, then its scan
// with a PacedWork, as scan-folder does.
// cancel: the window's search, then scans that the Cancel button stops, each resumed
// (BT2Click) until one completes: the first MS milliseconds after its start, each next one
// twice as late (a resumed scan sorts the files of the size under way again). Each cancel is
// timed from the moment of its click to the scan's return. cancel-cold (root only) drops the
// page cache before each scan, as a first scan of a disk finds it.
// Prints one line, for window and headless:
//   seconds S search T scan U select V groups G duplicates D lists H
// S the whole time, T the part until the search completed, U the rest; V the selection of
// the first group (0 headless); H a hash of LBB1, LL1 and LBB2, equal for equal lists.
// For cancel:
//   cancels N median M max X groups G duplicates D lists H
// with the median and the longest time of a cancel in milliseconds.
//   window_scan_bench cancel-search FOLDER MS
// cancel-search: the window's search, whose Cancel is clicked MS milliseconds after its
// start; prints "search-cancel C files F", C the milliseconds from the click to the
// search's end ("-" when it ended before the click), F the files found until then.
// Every click reaches the button as the window system delivers it, through its QWindow.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "BenchTree.h"
#include "CriteriaPage.h"
#include "DuplicateScan.h"
#include "FindDuplicates.h"
#include "Globals.h"
#include "HeadlessHost.h"
#include "PacedWork.h"
#include "ProgramWindows.h"
#include "QtHost.h"

using namespace twinsweep;
using namespace twinsweep::bench;

namespace {

// FNV-1a over the lines of LBB1, LL1 and LBB2, each line ended by a newline.
class ListsHash {
public:
    explicit ListsHash(const ResultLists& lists) {
        for (size_t i = 0; i < lists.LBB1.size(); ++i)
            Add(lists.LBB1[i]);
        for (size_t i = 0; i < lists.LL1.size(); ++i)
            Add(lists.LL1.Text(i));
        for (size_t i = 0; i < lists.LBB2.size(); ++i)
            Add(lists.LBB2[i]);
    }
    uint64_t value = 14695981039346656037ull;

private:
    void Add(std::string_view line) {
        for (unsigned char c : line)
            value = (value ^ c) * 1099511628211ull;
        value = (value ^ '\n') * 1099511628211ull;
    }
};

void ReportLists(const ResultLists& lists) {
    std::printf(" groups %zu duplicates %zu lists %016llx\n", lists.LBB1.size(), lists.LBB2.size(),
                static_cast<unsigned long long>(ListsHash(lists).value));
    std::fflush(stdout);
}

void Report(double seconds, double search, double select, const ResultLists& lists) {
    std::printf("seconds %.4f search %.4f scan %.4f select %.4f", seconds, search, seconds - search,
                select);
    ReportLists(lists);
}

// Answers every message box as soon as it shows, after `shown` has seen its text.
class BoxAnswer : public QObject {
public:
    explicit BoxAnswer(std::function<void(const QString&)> shown) : shown_(std::move(shown)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                shown_(box->text());
                QTimer::singleShot(0, box, [box] { box->done(QMessageBox::Ok); });
            }
        return false;
    }

private:
    std::function<void(const QString&)> shown_;
};

// A left click on the middle of `widget`, delivered to its window's QWindow as a real one is.
void ClickThroughWindow(QWidget* widget) {
    QWindow* window = widget->window()->windowHandle();
    const QPointF at = widget->mapTo(widget->window(), widget->rect().center());
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, window->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
        QCoreApplication::sendEvent(window, &event);
    }
}

// The main window over a program folder whose settings hide the welcome window, shown and
// started up.
struct Program {
    Program() : windows(host, folder.path().toStdString()) {
        windows.form1.show();
        // The start-up sequence (settings, language) runs from a timer after the first showing.
        QElapsedTimer startup;
        startup.start();
        while (LanguageIndex == 0 && startup.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        QApplication::processEvents();
        windows.form3->T1->setInterval(0);
    }

    QTemporaryDir folder;
    bool settings = std::ofstream(folder.filePath("conf.dat").toStdString(), std::ios::binary)
                        .write("0\r\n1\r\n", 6)
                        .good();
    QtHost host;
    ProgramWindows windows;
    TForm1& form1 = windows.form1;
};

// The reports of the scan; any other message is a failure.
bool OnlyReports(const QStringList& boxes, int reports) {
    if (boxes.size() == reports)
        return true;
    std::fprintf(stderr, "%lld messages instead of %d reports:\n",
                 static_cast<long long>(boxes.size()), reports);
    for (const QString& text : boxes)
        std::fprintf(stderr, "  %s\n", qPrintable(text));
    return false;
}

int RunWindow(const std::string& folder) {
    Program program;
    TForm1& form1 = program.form1;
    QElapsedTimer clock;
    double search = 0, seconds = 0;
    auto complete = form1.FF1.OnComplete;
    form1.FF1.OnComplete = [&](TFileSearch& sender) {
        search = clock.nsecsElapsed() / 1e9;
        complete(sender);
    };
    QStringList boxes;
    BoxAnswer answer([&](const QString& text) {
        boxes << text;
        form1.repaint();
        seconds = clock.nsecsElapsed() / 1e9;
    });
    qApp->installEventFilter(&answer);
    form1.TB1->Edit2->setText(QString::fromStdString(folder));
    clock.start();
    form1.BT1Click();
    if (!OnlyReports(boxes, 1))
        return 1;
    form1.repaint();
    Report(seconds, search, clock.nsecsElapsed() / 1e9 - seconds, form1.session.Lists());
    std::_Exit(0); // the windows' teardown is not measured
}

// Empties the page cache, as root alone may; false elsewhere.
bool DropPageCache() {
    ::sync();
    std::ofstream drop("/proc/sys/vm/drop_caches");
    return static_cast<bool>(drop << "3" << std::flush);
}

int RunCancels(const std::string& folder, int afterMs, bool cold) {
    Program program;
    TForm1& form1 = program.form1;
    TForm3* form3 = program.windows.form3;
    QStringList boxes;
    BoxAnswer answer([&](const QString& text) { boxes << text; });
    qApp->installEventFilter(&answer);
    std::vector<double> cancels;
    auto scan = form3->RunScan;
    bool dropped = true;
    form3->RunScan = [&, afterMs]() mutable {
        dropped = dropped && (!cold || DropPageCache());
        // A click at that moment is handled when the scan next processes messages.
        QTimer click;
        click.setSingleShot(true);
        click.setTimerType(Qt::PreciseTimer);
        QObject::connect(&click, &QTimer::timeout, form3,
                         [form3] { ClickThroughWindow(form3->SpeedButton1); });
        QElapsedTimer clock;
        clock.start();
        click.start(afterMs);
        const bool completed = scan();
        if (!completed)
            cancels.push_back(clock.nsecsElapsed() / 1e6 - afterMs);
        afterMs *= 2;
        return completed;
    };
    form1.TB1->Edit2->setText(QString::fromStdString(folder));
    form1.BT1Click();
    while (!form1.session.Table().IsEmpty() && boxes.size() < 10000)
        form1.BT2Click();
    if (!OnlyReports(boxes, static_cast<int>(cancels.size()) + 1))
        return 1;
    if (!dropped) {
        std::fprintf(stderr, "the page cache could not be dropped: run as root\n");
        return 1;
    }
    std::sort(cancels.begin(), cancels.end());
    std::printf("cancels %zu median %.1f max %.1f", cancels.size(),
                cancels.empty() ? 0.0 : cancels[cancels.size() / 2],
                cancels.empty() ? 0.0 : cancels.back());
    ReportLists(form1.session.Lists());
    std::_Exit(0);
}

int RunSearchCancel(const std::string& folder, int afterMs) {
    Program program;
    TForm1& form1 = program.form1;
    QElapsedTimer clock;
    QTimer click;
    click.setSingleShot(true);
    click.setTimerType(Qt::PreciseTimer);
    QObject::connect(&click, &QTimer::timeout, program.windows.form2,
                     [&] { ClickThroughWindow(program.windows.form2->SpeedButton1); });
    form1.FF1.OnComplete = [&](TFileSearch&) {
        // A search that ended before the click has nothing to answer: "-".
        const double answered = clock.nsecsElapsed() / 1e6 - afterMs;
        if (answered < 0)
            std::printf("search-cancel - files %d\n", form1.session.Table().FileCount());
        else
            std::printf("search-cancel %.1f files %d\n", answered,
                        form1.session.Table().FileCount());
        std::fflush(stdout);
        std::_Exit(0);
    };
    form1.TB1->Edit2->setText(QString::fromStdString(folder));
    clock.start();
    click.start(afterMs);
    form1.BT1Click();
    std::fprintf(stderr, "the search ended without its completion step\n");
    return 1;
}

int RunHeadless(const std::string& folder) {
    HeadlessHost host;
    Session session(host);
    // The criteria of a fresh main window.
    SearchChoices choices;
    choices.folder = folder;
    choices.after.date = choices.after.time = choices.before.date = choices.before.time = Now();
    session.SetChoices(choices);
    const auto start = Clock::now();
    session.SearchAndWait(host);
    const double search = Seconds(Clock::now() - start);
    session.Scan(PacedWork(host));
    Report(Seconds(Clock::now() - start), search, 0, session.Lists());
    return 0;
}

bool IsFolder(const char* path) {
    struct stat info {};
    return ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    const bool cancel = (mode == "cancel" || mode == "cancel-cold" || mode == "cancel-search") &&
                        argc == 4 && std::atoi(argv[3]) > 0;
    if (!(cancel || ((mode == "window" || mode == "headless") && argc == 3)) ||
        !IsFolder(argv[2])) {
        std::fprintf(stderr,
                     "usage: %s window|headless FOLDER\n"
                     "       %s cancel|cancel-cold|cancel-search FOLDER MS\n",
                     argv[0], argv[0]);
        return 2;
    }
    std::string folder = argv[2];
    if (folder.back() != '/')
        folder += '/';
    if (mode == "headless")
        return RunHeadless(folder);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (mode == "cancel-search")
        return RunSearchCancel(folder, std::atoi(argv[3]));
    return cancel ? RunCancels(folder, std::atoi(argv[3]), mode == "cancel-cold")
                  : RunWindow(folder);
}
