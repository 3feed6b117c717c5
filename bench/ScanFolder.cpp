// Finds the identical files below a folder with the program's own pipeline (threaded
// search of every file, table sorted by size, duplicate scan) and prints the result lists:
//   scan-folder [--times] FOLDER
// Output: the sizes of LBB1, LL1, LBB2 and LL2, then their entries in that order, one per
// line, each line ending in CR LF. --times adds the time of each step on stderr.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <sys/stat.h>

#include "BenchTree.h"
#include "DuplicateScan.h"
#include "FindDuplicates.h"
#include "HeadlessHost.h"
#include "PacedWork.h"

using namespace twinsweep;
using namespace twinsweep::bench;

namespace {

int Usage(const char* program) {
    std::fprintf(stderr, "usage: %s [--times] FOLDER\n", program);
    return 2;
}

bool IsFolder(const char* path) {
    struct stat info {};
    return ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

void PutLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fwrite("\r\n", 1, 2, stdout);
}

void Print(const ResultLists& lists) {
    for (const TextLines* list : {&lists.LBB1, &lists.LL1, &lists.LBB2, &lists.LL2})
        PutLine(std::to_string(list->size()));
    for (const TextLines* list : {&lists.LBB1, &lists.LL1, &lists.LBB2, &lists.LL2})
        for (const std::string& line : *list)
            PutLine(line);
}

} // namespace

int main(int argc, char** argv) {
    const bool times = argc == 3 && std::strcmp(argv[1], "--times") == 0;
    if (argc != 2 + int(times) || !IsFolder(argv[argc - 1]))
        return Usage(argv[0]);
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    try {
        HeadlessHost host;
        FileTable table;
        ResultLists lists;
        const auto start = Clock::now();
        SearchChoices everything;
        everything.folder = argv[argc - 1];
        SearchIntoTable(everything, host, table, TFormatSettings{});
        const auto searched = Clock::now();
        const int files = table.FileCount();
        RunDuplicateScan(table, lists, PacedWork(host));
        const auto scanned = Clock::now();
        Print(lists);
        if (std::fflush(stdout) != 0) {
            std::perror("stdout");
            return 1;
        }
        if (times)
            std::fprintf(stderr, "files %d, search and sort %.3f s, scan %.3f s, print %.3f s\n",
                         files, Seconds(searched - start), Seconds(scanned - searched),
                         Seconds(Clock::now() - scanned));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}
