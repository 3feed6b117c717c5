// Times a threaded search of a large tree against `find` on the same tree.
//   search_bench DATA_FOLDER [RUNS]
// The tree (2,000 folders of 50 files) is made under DATA_FOLDER/tree once and kept.
#include "FileSearch.h"
#include "HeadlessHost.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace twinsweep;
using Clock = std::chrono::steady_clock;

extern char** environ;

namespace {

constexpr int kTopFolders = 40;
constexpr int kSubFolders = 50;
constexpr int kFilesPerFolder = 50;
constexpr long kFiles = long(kTopFolders) * kSubFolders * kFilesPerFolder;

void MakeFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) {
        std::perror(path.c_str());
        std::exit(1);
    }
}

// Builds the tree unless a previous run finished it.
void MakeTree(const std::string& data, const std::string& tree) {
    const std::string done = data + "/tree.complete";
    if (::access(done.c_str(), F_OK) == 0)
        return;
    std::printf("making %ld files in %d folders under %s\n", kFiles, kTopFolders * kSubFolders,
                tree.c_str());
    MakeFolder(data);
    MakeFolder(tree);
    const std::string content(2048, 'x');
    long n = 0;
    for (int top = 0; top < kTopFolders; ++top) {
        const std::string a = tree + "/dir" + std::to_string(top);
        MakeFolder(a);
        for (int sub = 0; sub < kSubFolders; ++sub) {
            const std::string b = a + "/sub" + std::to_string(sub);
            MakeFolder(b);
            for (int file = 0; file < kFilesPerFolder; ++file, ++n) {
                const std::string path = b + "/file" + std::to_string(file) + ".dat";
                const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
                if (fd < 0 || ::write(fd, content.data(), size_t(n * 37 % 2048)) < 0) {
                    std::perror(path.c_str());
                    std::exit(1);
                }
                ::close(fd);
            }
        }
    }
    const int fd = ::open(done.c_str(), O_WRONLY | O_CREAT, 0644);
    ::close(fd);
}

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

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
    const std::string tree = data + "/tree";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    MakeTree(data, tree);

    size_t found = 0;
    TimeFind(tree); // warm the cache
    TimeSearch(tree, found);
    if (long(found) != kFiles) {
        std::fprintf(stderr, "search found %zu files, expected %ld\n", found, kFiles);
        return 1;
    }

    std::vector<double> ratios;
    for (int run = 1; run <= runs; ++run) {
        const double find = TimeFind(tree);
        const double ours = TimeSearch(tree, found);
        ratios.push_back(ours / find);
        std::printf(
            "run %d: find %.3f s (%.0f files/s), search %.3f s (%.0f files/s), ratio %.2f\n", run,
            find, kFiles / find, ours, double(found) / ours, ours / find);
        std::fflush(stdout);
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("ratio search/find: %.2f\n", ratios[ratios.size() / 2]);
    return 0;
}
