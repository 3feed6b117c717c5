#include "ReplaceCopy.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TestFolder.h"

using namespace twinsweep;

namespace {

ino_t Inode(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_ino;
}

// Only the files written: no fresh name is left behind.
void ExpectOnly(const TestFolder& dir, size_t files) {
    EXPECT_EQ(static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir.path()),
                                                std::filesystem::directory_iterator())),
              files);
}

} // namespace

TEST(ReplaceCopy, AHardLinkTakesTheNameOfAnIdenticalFileOnly) {
    TestFolder dir;
    const std::string kept = dir.write("kept", "same bytes");
    const std::string copy = dir.write("copy", "same bytes");
    const std::string other = dir.write("other", "other byte");
    ::chmod(copy.c_str(), 0640);
    EXPECT_EQ(ReplaceIfCopy(copy, kept, Replacement::HardLink), std::nullopt);
    EXPECT_EQ(Inode(copy), Inode(kept));
    EXPECT_EQ(dir.read("copy"), "same bytes");
    const auto refused = ReplaceIfCopy(other, kept, Replacement::HardLink);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->reason, KeepReason::Changed);
    EXPECT_EQ(dir.read("other"), "other byte");
    // Already one file: nothing to do, and said so.
    EXPECT_EQ(ReplaceIfCopy(copy, kept, Replacement::HardLink)->reason, KeepReason::SameFile);
    ExpectOnly(dir, 3);
}

// A clone where the file system has them; elsewhere the failure, the duplicate untouched.
TEST(ReplaceCopy, ACloneKeepsTheDuplicatesAttributesOrFailsLeavingItWhole) {
    TestFolder dir;
    const std::string kept = dir.write("kept", "cloned bytes");
    const std::string copy = dir.write("copy", "cloned bytes");
    ::chmod(copy.c_str(), 0604);
    const timespec times[2] = {{1'000'000, 0}, {2'000'000, 5}};
    ::utimensat(AT_FDCWD, copy.c_str(), times, 0);
    const ino_t before = Inode(copy);
    const auto result = ReplaceIfCopy(copy, kept, Replacement::Clone);
    struct stat info {};
    ASSERT_EQ(::stat(copy.c_str(), &info), 0);
    EXPECT_EQ(dir.read("copy"), "cloned bytes");
    EXPECT_EQ(info.st_mode & 07777, 0604u);
    EXPECT_EQ(info.st_mtim.tv_sec, 2'000'000);
    if (result) {
        EXPECT_EQ(result->reason, KeepReason::NoClones);
        EXPECT_TRUE(result->detail.starts_with("FICLONE: ")) << result->detail;
        EXPECT_EQ(Inode(copy), before);
    } else {
        EXPECT_NE(Inode(copy), before);
        EXPECT_NE(Inode(copy), Inode(kept));
    }
    ExpectOnly(dir, 2);
}

TEST(ReplaceCopy, AHardLinkAcrossFileSystemsFailsLeavingTheDuplicate) {
    TestFolder dir;
    const std::string shm = "/dev/shm";
    struct stat a {
    }, b{};
    if (::stat(shm.c_str(), &b) != 0 || ::stat(dir.path().c_str(), &a) != 0 || a.st_dev == b.st_dev)
        GTEST_SKIP() << "no second file system at /dev/shm";
    const std::string kept = dir.write("kept", "far bytes");
    const std::string copy = shm + "/twinsweep-replace-test";
    std::ofstream(copy) << "far bytes";
    const auto result = ReplaceIfCopy(copy, kept, Replacement::HardLink);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->reason, KeepReason::OtherFileSystem);
    EXPECT_NE(result->detail.find("link: "), std::string::npos) << result->detail;
    std::ifstream in(copy);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "far bytes");
    std::filesystem::remove(copy);
}
