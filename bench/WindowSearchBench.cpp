// One search of the benchmark tree, timed either through the main window or headless:
//   window_search_bench window|headless DATA_FOLDER [FILES]
// window: from BT1Click until the table is sorted, its columns fitted and the window
// repainted, i.e. when the completion step closes the progress window; the duplicate
// scan that follows is not measured (the process ends there).
// headless: the program's pipeline without a window: the search with a HeadlessHost into a
// FileTable, sorted when the search completes.
// Prints "seconds S search T files N": S the whole time, T the part until the search's
// OnComplete. The tree (FILES files, default 100,000) is made under DATA_FOLDER once.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <utility>

#include "BenchTree.h"
#include "CriteriaPage.h"
#include "FindDuplicates.h"
#include "Globals.h"
#include "HeadlessHost.h"
#include "ProgramWindows.h"
#include "QtHost.h"

using namespace twinsweep;
using namespace twinsweep::bench;

namespace {

void Report(double seconds, double search, int files) {
    std::printf("seconds %.4f search %.4f files %d\n", seconds, search, files);
    std::fflush(stdout);
}

// Calls `action` when the watched object is about to close.
class CloseWatch : public QObject {
public:
    explicit CloseWatch(std::function<void()> action) : action_(std::move(action)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close)
            action_();
        return false;
    }

private:
    std::function<void()> action_;
};

// A program folder whose settings hide the welcome window.
std::string ProgramFolder(const std::string& data) {
    const std::string folder = data + "/window-program/";
    MakeFolder(folder);
    std::ofstream(folder + "conf.dat", std::ios::binary) << "0\r\n1\r\n";
    return folder;
}

int RunWindow(int argc, char** argv, const std::string& data, const BenchTree& tree) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtHost host;
    ProgramWindows windows(host, ProgramFolder(data));
    TForm1& form1 = windows.form1;
    TForm2* form2 = windows.form2;
    form1.show();
    // The start-up sequence (settings, language) runs from a timer after the first showing.
    QElapsedTimer startup;
    startup.start();
    while (LanguageIndex == 0 && startup.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();

    QElapsedTimer clock;
    double search = 0;
    auto complete = form1.FF1.OnComplete;
    form1.FF1.OnComplete = [&](TFileSearch& sender) {
        search = clock.nsecsElapsed() / 1e9;
        complete(sender);
    };
    CloseWatch watch([&] {
        form1.repaint();
        Report(clock.nsecsElapsed() / 1e9, search, form1.session.Table().FileCount());
        std::_Exit(form1.session.Table().FileCount() == tree.files ? 0 : 1);
    });
    form2->installEventFilter(&watch);
    form1.TB1->Edit2->setText(QString::fromStdString(tree.path));
    clock.start();
    form1.BT1Click();
    std::fprintf(stderr, "the search ended without closing the progress window\n");
    return 1;
}

int RunHeadless(const BenchTree& tree) {
    HeadlessHost host;
    Session session(host);
    SearchChoices everything;
    everything.folder = tree.path;
    session.SetChoices(everything);
    const auto start = Clock::now();
    session.SearchAndWait(host);
    const double seconds = Seconds(Clock::now() - start);
    const int files = session.Table().FileCount();
    Report(seconds, seconds, files);
    return files == tree.files ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const bool window = argc > 1 && std::strcmp(argv[1], "window") == 0;
    const bool headless = argc > 1 && std::strcmp(argv[1], "headless") == 0;
    if ((!window && !headless) || argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s window|headless DATA_FOLDER [FILES]\n", argv[0]);
        return 2;
    }
    const std::string data = argv[2];
    const BenchTree tree = MakeTree(data, argc > 3 ? std::atol(argv[3]) : 100000);
    return window ? RunWindow(argc, argv, data, tree) : RunHeadless(tree);
}
