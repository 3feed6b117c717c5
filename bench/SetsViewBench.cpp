// Times the sets page of the main window on many sets of identical files:
//   sets_view_bench [SETS [FILES_PER_SET [LANGUAGE]]] [--shot FILE]
// Makes SETS sets (default 100,000) of FILES_PER_SET identical files (default 2) with
// random modification times in a temporary folder, lists them as a scan would, and shows
// the page. Prints the time to mark all but the newest file of each set in the core alone
// ("keep newest, core: X ms") and through the page's button ("keep newest, window: X ms"),
// the time to show the sets, and the slowest step while scrolling the page from top to
// bottom (the page opens with the sets unfolded up to 1,000 sets). --shot saves a picture of the
// window, marks made, in LANGUAGE (1 to 3).
#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <string>
#include <sys/stat.h>

#include "DuplicateSets.h"
#include "Globals.h"
#include "KeepOne.h"
#include "ProgramWindows.h"
#include "QtHost.h"
#include "SetsPage.h"

using namespace twinsweep;

namespace {

// Writes the files and lists each set as a reference with the other files as its group.
void MakeSets(const std::string& root, int sets, int perSet, ResultLists& lists) {
    std::mt19937 random(7);
    lists.ClearResults();
    for (int s = 0; s < sets; ++s) {
        const std::string folder = root + "/album " + std::to_string(s / 1000) + "/";
        ::mkdir(folder.c_str(), 0755);
        const std::string content = "photo " + std::to_string(s);
        for (int f = 0; f < perSet; ++f) {
            const std::string path =
                folder + "photo " + std::to_string(s) + " copy " + std::to_string(f) + ".jpg";
            std::ofstream(path, std::ios::binary) << content;
            const timespec times[2] = {
                {0, UTIME_OMIT}, {1'600'000'000 + static_cast<time_t>(random() % 50'000'000), 0}};
            ::utimensat(AT_FDCWD, path.c_str(), times, 0);
            if (f == 0) {
                lists.LBB1.push_back(path);
            } else {
                lists.LBB2.push_back(path);
                lists.LL1.push_back(s);
            }
        }
    }
}

double Milliseconds(const QElapsedTimer& clock) { return clock.nsecsElapsed() / 1e6; }

} // namespace

int main(int argc, char** argv) {
    const char* shot = nullptr;
    if (argc > 2 && std::strcmp(argv[argc - 2], "--shot") == 0) {
        shot = argv[argc - 1];
        argc -= 2;
    }
    const int sets = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int perSet = argc > 2 ? std::atoi(argv[2]) : 2;
    const int language = argc > 3 ? std::atoi(argv[3]) : 1;
    if (sets < 1 || perSet < 2 || language < 1 || language > 3) {
        std::fprintf(stderr, "usage: %s [SETS [FILES_PER_SET [LANGUAGE]]] [--shot FILE]\n",
                     argv[0]);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir program, tree;
    std::ofstream(program.filePath("conf.dat").toStdString(), std::ios::binary)
        << "0\r\n"
        << language << "\r\n";
    QtHost host;
    ProgramWindows windows(host, program.path().toStdString() + "/");
    TForm1& form = windows.form1;
    form.resize(1280, 860);
    form.show();
    QElapsedTimer clock;
    clock.start();
    while (LanguageIndex == 0 && clock.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);

    ResultLists lists;
    MakeSets(tree.path().toStdString(), sets, perSet, lists);
    form.session.Adopt(std::move(lists));
    form.ShowLists();

    std::vector<DuplicateSet> core = SetsOf(form.session.Lists());
    clock.restart();
    MarkAllButOne(core, *form.session.Paths(), KeepRule::Newest);
    std::printf("keep newest, core: %.1f ms for %d sets\n", Milliseconds(clock), sets);

    clock.restart();
    form.PageControl1->setCurrentWidget(form.TB3);
    QApplication::processEvents();
    form.repaint();
    std::printf("sets shown in %.1f ms\n", Milliseconds(clock));

    clock.restart();
    form.TB3->KeepNewest->click();
    QApplication::processEvents();
    form.repaint();
    std::printf("keep newest, window: %.1f ms\n", Milliseconds(clock));

    QTreeView* view = form.TB3->SetsTree;
    QScrollBar* bar = view->verticalScrollBar();
    auto scroll = [&](const char* what) {
        double slowest = 0;
        int steps = 0;
        for (int value = 0; value <= bar->maximum(); value += std::max(1, bar->maximum() / 200)) {
            clock.restart();
            bar->setValue(value);
            QApplication::processEvents();
            form.repaint();
            slowest = std::max(slowest, Milliseconds(clock));
            ++steps;
        }
        std::printf("scrolling %s: %d steps, slowest %.1f ms\n", what, steps, slowest);
    };
    scroll("through the sets");
    if (shot) {
        bar->setValue(0);
        QApplication::processEvents();
        form.grab().save(shot);
        std::printf("picture: %s\n", shot);
    }
    std::fflush(stdout);
    std::_Exit(0); // the windows' teardown is not measured
}
