#include "BenchTree.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace twinsweep::bench {

namespace {

constexpr int kSubFolders = 50;
constexpr int kFilesPerFolder = 50;
constexpr long kFilesPerTopFolder = long(kSubFolders) * kFilesPerFolder;

} // namespace

void MakeFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) {
        std::perror(path.c_str());
        std::exit(1);
    }
}

BenchTree MakeTree(const std::string& data, long files) {
    if (files <= 0 || files % kFilesPerTopFolder != 0) {
        std::fprintf(stderr, "tree size %ld is not a positive multiple of %ld\n", files,
                     kFilesPerTopFolder);
        std::exit(2);
    }
    const std::string name = files == 100000 ? "tree" : "tree-" + std::to_string(files);
    const BenchTree tree{data + "/" + name, files};
    const std::string done = tree.path + ".complete";
    if (::access(done.c_str(), F_OK) == 0)
        return tree;
    const long topFolders = files / kFilesPerTopFolder;
    std::fprintf(stderr, "making %ld files in %ld folders under %s\n", files,
                 topFolders * kSubFolders, tree.path.c_str());
    MakeFolder(data);
    MakeFolder(tree.path);
    const std::string content(2048, 'x');
    long n = 0;
    for (long top = 0; top < topFolders; ++top) {
        const std::string a = tree.path + "/dir" + std::to_string(top);
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
    return tree;
}

} // namespace twinsweep::bench
