#include "LongPath.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "TestFolder.h"

using namespace twinsweep;

namespace {

// Nests folders inside root, one call per level, until the path is longer than length.
// Returns the deepest folder's path, ending in "/".
std::string DeepFolder(const std::string& root, size_t length) {
    const std::string name(200, 'n');
    std::string path = root;
    int folder = ::open(root.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    while (path.size() <= length) {
        ::mkdirat(folder, name.c_str(), 0755);
        const int next = ::openat(folder, name.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        ::close(folder);
        folder = next;
        path += name + "/";
    }
    ::close(folder);
    return path;
}

std::string ReadAll(int fd) {
    char buffer[16];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    return n < 0 ? "" : std::string(buffer, size_t(n));
}

} // namespace

TEST(LongPath, OpensAndExaminesPathsLongerThanTwicePathMax) {
    TestFolder folder;
    const std::string deep = DeepFolder(folder.path(), 8192);
    const std::string file = deep + "file";
    ASSERT_EQ(::open(file.c_str(), O_RDONLY), -1); // too long for one call
    const int created = OpenPath(file, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0640);
    ASSERT_GE(created, 0);
    ASSERT_EQ(::write(created, "12345", 5), 5);
    ::close(created);

    struct stat info {};
    ASSERT_TRUE(StatPath(file, info));
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(info.st_size, 5);
    EXPECT_EQ(info.st_mode & 0777, 0640);
    EXPECT_EQ(ReadAll(OpenPath(file, O_RDONLY | O_CLOEXEC)), "12345");

    // Runs of separators, where the pieces may be cut, and links along the way are taken as
    // open(2) takes them; a final link is examined itself.
    std::string runs = deep;
    for (size_t at = runs.find('/', 1); at != std::string::npos; at = runs.find('/', at + 301))
        runs.insert(at, 300, '/');
    EXPECT_EQ(ReadAll(OpenPath(runs + "file", O_RDONLY | O_CLOEXEC)), "12345");
    std::string padded = folder.path();
    padded.resize(PATH_MAX, '/'); // nothing but separators after the last name
    const int top = OpenPath(padded, O_PATH | O_DIRECTORY | O_CLOEXEC);
    EXPECT_GE(top, 0);
    ::close(top);
    const int bottom = OpenPath(deep, O_PATH | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(::symlinkat(".", bottom, "here"), 0);
    ::close(bottom);
    EXPECT_EQ(ReadAll(OpenPath(deep + "here/here/file", O_RDONLY | O_CLOEXEC)), "12345");
    ASSERT_TRUE(StatPath(deep + "here", info));
    EXPECT_TRUE(S_ISLNK(info.st_mode));

    EXPECT_EQ(OpenPath(deep + "absent/file", O_RDONLY), -1);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_FALSE(StatPath(deep + "absent", info));
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(OpenPath("/" + std::string(5000, 'n'), O_RDONLY), -1);
    EXPECT_EQ(errno, ENAMETOOLONG);
}
