// Times the group selection of the main window (offscreen) on large result lists:
//   group_selection_bench [GROUPS [DUPLICATES [CLICKS]]]
// The lists hold GROUPS references (default 1,000) and DUPLICATES duplicates (default
// 1,000,000), in equal groups; the paths need not exist. Once the lists are shown, each
// click makes another reference current in LBB1, as a click on it does, which selects its
// group in LBB2; a click is timed until the window has repainted. Prints the time to show
// the lists, each click, and last "group selection median: X ms".
#include <QApplication>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QListView>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "Globals.h"
#include "ProgramWindows.h"
#include "QtHost.h"
#include "ResultsPage.h"

using namespace twinsweep;

namespace {

void FillLists(ResultLists& lists, int groups, int duplicates) {
    const int members = std::max(1, duplicates / groups);
    lists.ClearResults();
    lists.LBB2.reserve(static_cast<size_t>(groups) * static_cast<size_t>(members));
    for (int g = 0; g < groups; ++g) {
        const std::string folder = "/home/user/pictures/album " + std::to_string(g) + "/";
        lists.LBB1.push_back(folder + "reference.jpg");
        for (int m = 0; m < members; ++m) {
            lists.LBB2.push_back(folder + "copy " + std::to_string(m) + ".jpg");
            lists.LL1.push_back(g);
        }
    }
}

// True when exactly the rows of group g, one range, are selected in LBB2.
bool GroupShown(const TForm1& form, int g, int members) {
    const QItemSelection selection = form.LBB2->selectionModel()->selection();
    return selection.size() == 1 && selection.first().top() == g * members &&
           selection.first().bottom() == (g + 1) * members - 1 &&
           form.LBB1->currentIndex().row() == g;
}

} // namespace

int main(int argc, char** argv) {
    const int groups = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int duplicates = argc > 2 ? std::atoi(argv[2]) : 1000000;
    const int clicks = argc > 3 ? std::atoi(argv[3]) : 11;
    if (groups < 2 || duplicates < groups || clicks < 1) {
        std::fprintf(stderr, "usage: %s [GROUPS [DUPLICATES [CLICKS]]]\n", argv[0]);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir program; // settings that hide the welcome window
    std::ofstream(program.filePath("conf.dat").toStdString(), std::ios::binary) << "0\r\n1\r\n";
    QtHost host;
    ProgramWindows windows(host, program.path().toStdString() + "/");
    TForm1& form = windows.form1;
    form.show();
    QElapsedTimer clock;
    clock.start();
    while (LanguageIndex == 0 && clock.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    form.PageControl1->setCurrentWidget(form.TB2);
    QApplication::processEvents();

    ResultLists lists;
    FillLists(lists, groups, duplicates);
    form.session.Adopt(std::move(lists));
    const int members = static_cast<int>(form.session.Lists().LBB2.size()) / groups;
    clock.restart();
    form.ShowLists();
    QApplication::processEvents();
    form.repaint();
    std::printf("lists of %d groups, %zu duplicates shown in %.1f ms\n", groups,
                form.session.Lists().LBB2.size(), clock.nsecsElapsed() / 1e6);

    std::vector<double> times;
    for (int click = 0; click < clicks; ++click) {
        // From the first group to the last, and back and forth in between.
        const int g = click % 2 == 0 ? click * (groups - 1) / std::max(1, clicks - 1)
                                     : groups - 1 - click * (groups - 1) / std::max(1, clicks - 1);
        QApplication::processEvents(); // nothing left over from the last click
        clock.restart();
        form.LBB1->selectionModel()->setCurrentIndex(form.LBB1->model()->index(g, 0),
                                                     QItemSelectionModel::ClearAndSelect);
        QApplication::processEvents();
        form.repaint();
        times.push_back(clock.nsecsElapsed() / 1e6);
        if (!GroupShown(form, g, members)) {
            std::fprintf(stderr, "group %d is not the selection after its click\n", g);
            return 1;
        }
        std::printf("click on group %d: %.2f ms\n", g, times.back());
    }
    std::sort(times.begin(), times.end());
    std::printf("group selection median: %.2f ms\n", times[times.size() / 2]);
    std::fflush(stdout);
    std::_Exit(0); // the windows' teardown is not measured
}
