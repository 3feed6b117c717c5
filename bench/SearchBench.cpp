// Times a threaded search of a large tree against `find` on the same tree.
//   search_bench DATA_FOLDER [RUNS]
// The tree (2,000 folders of 50 files) is made under DATA_FOLDER/tree once and kept.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "BenchTree.h"
#include "FileSearch.h"
#include "HeadlessHost.h"

using namespace twinsweep;
using namespace twinsweep::bench;

extern char** environ;

namespace {

double TimeFind(const std::string& tree) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const char* argv[] = {"find", tree.c_str(), "-type", "f", "-printf", "%s %p\n", nullptr};
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, "find", &actions, nullptr, const_cast<char**>(argv), environ) != 0) {
        std::perror("find");
        std::exit(1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    const double seconds = Seconds(Clock::now() - start);
    posix_spawn_file_actions_destroy(&actions);
    return seconds;
}

// A threaded search whose OnFound handler keeps every entry, as the file table does.
double TimeSearch(const std::string& tree, size_t& found) {
    HeadlessHost host;
    TFileSearch search(host);
    search.SetLocation(tree);
    search.SetThreaded(true);
    std::vector<std::pair<std::string, TSearchRec>> entries;
    search.OnFound = [&](TFileSearch&, const std::string& folder, TSearchRec& entry) {
        entries.emplace_back(folder, entry);
    };
    const auto start = Clock::now();
    search.Execute();
    host.processUntil([&] { return !search.Busy(); }, std::chrono::minutes(10));
    const double seconds = Seconds(Clock::now() - start);
    found = entries.size();
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DATA_FOLDER [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string data = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    const BenchTree made = MakeTree(data);
    const std::string& tree = made.path;
    const long files = made.files;

    size_t found = 0;
    TimeFind(tree); // warm the cache
    TimeSearch(tree, found);
    if (long(found) != files) {
        std::fprintf(stderr, "search found %zu files, expected %ld\n", found, files);
        return 1;
    }

    std::vector<double> ratios;
    for (int run = 1; run <= runs; ++run) {
        const double find = TimeFind(tree);
        const double ours = TimeSearch(tree, found);
        ratios.push_back(ours / find);
        std::printf(
            "run %d: find %.3f s (%.0f files/s), search %.3f s (%.0f files/s), ratio %.2f\n", run,
            find, files / find, ours, double(found) / ours, ours / find);
        std::fflush(stdout);
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("ratio search/find: %.2f\n", ratios[ratios.size() / 2]);
    return 0;
}
