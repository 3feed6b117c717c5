// One search and duplicate scan of a folder, timed either through the main window or
// headless:
//   window_scan_bench window|headless FOLDER
// window: the real main window (offscreen) from BT1Click until the scan's report box shows,
// the window repainted; the box is answered at once. The first group's selection that
// follows is timed apart.
// headless: the program's pipeline without a window: SearchIntoTable, then RunDuplicateScan
// with a PacedWork, as scan-folder does.
// Prints one line:
//   seconds S search T scan U select V groups G duplicates D lists H
// S the whole time, T the part until the search completed, U the rest; V the selection of
// the first group (0 headless); H a hash of LBB1, LL1 and LBB2, equal for equal lists.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <sys/stat.h>

#include "BenchTree.h"
#include "DuplicateScan.h"
#include "FindDuplicates.h"
#include "Globals.h"
#include "PacedWork.h"
#include "ProgramWindows.h"
#include "QtHost.h"

using namespace twinsweep;
using namespace twinsweep::bench;

namespace {

struct Figures {
    double seconds = 0, search = 0, select = 0;
};

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

void Report(const Figures& figures, const ResultLists& lists) {
    std::printf("seconds %.4f search %.4f scan %.4f select %.4f groups %zu duplicates %zu "
                "lists %016llx\n",
                figures.seconds, figures.search, figures.seconds - figures.search, figures.select,
                lists.LBB1.size(), lists.LBB2.size(),
                static_cast<unsigned long long>(ListsHash(lists).value));
    std::fflush(stdout);
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

int RunWindow(int argc, char** argv, const std::string& folder) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A program folder whose settings hide the welcome window.
    QTemporaryDir program;
    std::ofstream(program.filePath("conf.dat").toStdString(), std::ios::binary) << "0\r\n1\r\n";
    QtHost host;
    ProgramWindows windows(host, program.path().toStdString());
    TForm1& form1 = windows.form1;
    form1.show();
    // The start-up sequence (settings, language) runs from a timer after the first showing.
    QElapsedTimer startup;
    startup.start();
    while (LanguageIndex == 0 && startup.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();

    Figures figures;
    QElapsedTimer clock;
    auto complete = form1.FF1->OnComplete;
    form1.FF1->OnComplete = [&](TFileSearch& sender) {
        figures.search = clock.nsecsElapsed() / 1e9;
        complete(sender);
    };
    QStringList boxes;
    BoxAnswer answer([&](const QString& text) {
        boxes << text;
        if (boxes.size() > 1)
            return;
        form1.repaint();
        figures.seconds = clock.nsecsElapsed() / 1e9;
    });
    app.installEventFilter(&answer);
    form1.SearchFolder = folder;
    clock.start();
    form1.BT1Click();
    // The scan's report must be the only message.
    if (boxes.size() != 1) {
        std::fprintf(stderr, "%lld messages instead of the report alone:\n",
                     static_cast<long long>(boxes.size()));
        for (const QString& text : boxes)
            std::fprintf(stderr, "  %s\n", qPrintable(text));
        return 1;
    }
    form1.repaint();
    figures.select = clock.nsecsElapsed() / 1e9 - figures.seconds;
    Report(figures, form1.Lists);
    std::_Exit(0); // the windows' teardown is not measured
}

int RunHeadless(const std::string& folder) {
    HeadlessHost host;
    FileTable table;
    ResultLists lists;
    // The criteria of a fresh main window.
    SearchChoices choices;
    choices.folder = folder;
    choices.after.date = choices.after.time = choices.before.date = choices.before.time = Now();
    Figures figures;
    const auto start = Clock::now();
    SearchIntoTable(choices, host, table, TFormatSettings{});
    figures.search = Seconds(Clock::now() - start);
    RunDuplicateScan(table, lists, PacedWork(host));
    figures.seconds = Seconds(Clock::now() - start);
    Report(figures, lists);
    return 0;
}

bool IsFolder(const char* path) {
    struct stat info {};
    return ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

int main(int argc, char** argv) {
    const bool window = argc == 3 && std::strcmp(argv[1], "window") == 0;
    const bool headless = argc == 3 && std::strcmp(argv[1], "headless") == 0;
    if ((!window && !headless) || !IsFolder(argv[2])) {
        std::fprintf(stderr, "usage: %s window|headless FOLDER\n", argv[0]);
        return 2;
    }
    std::string folder = argv[2];
    if (folder.back() != '/')
        folder += '/';
    return window ? RunWindow(argc, argv, folder) : RunHeadless(folder);
}
