// Saves and loads one large project, through the main window (offscreen, the commands of
// its buttons) and through the core alone, and reads the saved file's lines with the
// platform's line reader for scale:
//   project_files_bench DATA_FOLDER [ROWS [ENTRIES [ROUNDS]]]
// ROWS table rows (default 200,000), ENTRIES list entries over LBB1, LL1 and LBB2 (default
// 1,000,000). Prints the medians over ROUNDS rounds (default 3), then the line
// "ratio load/read-lines: X" and last "ratio window/core: Y" (save and load together).
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <vector>

#include "BenchTree.h"
#include "ProgramWindows.h"
#include "ProjectDialogs.h"
#include "ProjectFile.h"
#include "QtHost.h"

using namespace twinsweep;
using namespace twinsweep::bench;

namespace {

double Seconds(const std::function<void()>& action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A table a cancelled scan left behind, and groups of two duplicates per reference.
void MakeState(int rows, int entries, FileTable& table, ResultLists& lists) {
    table.Reset({"File name", "Folder", "Size", "Date"});
    for (int row = 0; row < rows; ++row)
        table.Append("/home/user/photos/" + std::to_string(row % 997) + "/",
                     "picture " + std::to_string(row) + ".jpg", 1000 + row % 5000,
                     "09/12/2026 11:39:41");
    const int groups = entries / 5;
    for (int g = 0; g < groups; ++g) {
        lists.LBB1.push_back("/home/user/photos/reference " + std::to_string(g) + ".jpg");
        for (int copy = 0; copy < 2; ++copy) {
            lists.LBB2.push_back("/home/user/backup/" + std::to_string(copy) + "/copy " +
                                 std::to_string(g) + ".jpg");
            lists.LL1.push_back(std::to_string(g));
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DATA_FOLDER [ROWS [ENTRIES [ROUNDS]]]\n", argv[0]);
        return 2;
    }
    const std::string data = argv[1];
    const int rows = argc > 2 ? std::atoi(argv[2]) : 200000;
    const int entries = argc > 3 ? std::atoi(argv[3]) : 1000000;
    const int rounds = argc > 4 ? std::atoi(argv[4]) : 3;
    QApplication app(argc, argv);
    MakeFolder(data + "/project-program/");
    std::ofstream(data + "/project-program/conf.dat", std::ios::binary) << "0\r\n1\r\n";
    QtHost host;
    ProgramWindows windows(host, data + "/project-program/");
    TForm1& form = windows.form1;
    form.show();
    FileTable table;
    ResultLists lists;
    MakeState(rows, entries, table, lists);
    form.session.Adopt(std::move(table));
    form.session.Adopt(std::move(lists));
    const std::string corePath = data + "/core.twinsweep", windowPath = data + "/window.twinsweep";
    CurrentProjectFileChooser() = [&](QWidget*, ProjectDialog, const TStringTable&) {
        return windowPath;
    };

    std::vector<double> coreSave, coreLoad, readLines, windowSave, windowLoad;
    const ColumnWidths widths = DefaultColumnWidths;
    const SearchChoices choices = form.ReadSearchChoices();
    for (int round = 0; round < rounds; ++round) {
        coreSave.push_back(Seconds([&] {
            SaveProject(corePath, ProjectLines(choices, form.session.Lists(), form.session.Table(),
                                               widths, {}));
        }));
        coreLoad.push_back(Seconds([&] { LoadProject(corePath, choices, {}); }));
        readLines.push_back(Seconds([&] { ReadTextLines(corePath); }));
        windowSave.push_back(Seconds([&] { form.BT10Click(); }));
        windowLoad.push_back(Seconds([&] {
            form.BT9Click();
            QApplication::processEvents();
        }));
    }
    if (form.session.Lists().LBB2.size() != static_cast<size_t>(entries / 5 * 2) ||
        form.session.Table().FileCount() != rows) {
        std::fprintf(stderr, "the window did not load back what it saved\n");
        return 1;
    }
    const double core = Median(coreSave) + Median(coreLoad);
    const double window = Median(windowSave) + Median(windowLoad);
    std::printf("rows %d, entries %d, rounds %d\n", rows, entries, rounds);
    std::printf("core: save %.3f s, load %.3f s; read lines %.3f s\n", Median(coreSave),
                Median(coreLoad), Median(readLines));
    std::printf("window: save %.3f s, load %.3f s\n", Median(windowSave), Median(windowLoad));
    std::printf("ratio load/read-lines: %.3f\n", Median(coreLoad) / Median(readLines));
    std::printf("ratio window/core: %.3f\n", window / core);
    std::remove(corePath.c_str());
    std::remove(windowPath.c_str());
    return 0;
}
