#include "ReplaceCopy.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "MountedFolder.h"
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

// A replacing process killed at any moment leaves every path a whole file with its bytes;
// a fresh name it left holds them too. Runs that end leave none. By clones on XFS where it
// mounts, else by hard links.
TEST(ReplaceCopy, AKilledReplacementLeavesEveryPathWhole) {
    MountedFolder xfs(MountedFolder::XfsWithReflink);
    TestFolder plain;
    const std::string root = xfs.mounted() ? xfs.path() : plain.path();
    const Replacement how = xfs.mounted() ? Replacement::Clone : Replacement::HardLink;
    const uint32_t seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::string bytes(20000, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    const std::string kept = root + "kept", copies = root + "copies/";
    std::ofstream(kept, std::ios::binary) << bytes;
    constexpr int Copies = 200;
    std::chrono::microseconds run{};
    size_t killed = 0, leftovers = 0;
    for (int round = 0; round < 30; ++round) {
        std::filesystem::remove_all(copies);
        std::filesystem::create_directory(copies);
        for (int c = 0; c < Copies; ++c)
            std::ofstream(copies + std::to_string(c), std::ios::binary) << bytes;
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int c = 0; c < Copies; ++c)
                ReplaceIfCopy(copies + std::to_string(c), kept, how);
            ::_exit(0);
        }
        // The first round times a whole run; the others are killed within that time.
        if (round > 0) {
            ::usleep(static_cast<useconds_t>(random() % (run.count() + 1)));
            ::kill(child, SIGKILL);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        const bool wasKilled = WIFSIGNALED(status);
        if (round == 0)
            run = std::chrono::duration_cast<std::chrono::microseconds>(
                std::chrono::steady_clock::now() - start);
        size_t left = 0, files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(copies)) {
            const std::string path = entry.path().string();
            EXPECT_TRUE(!entry.is_symlink() && entry.is_regular_file()) << path;
            std::string read(bytes.size() + 1, '\0');
            read.resize(static_cast<size_t>(
                std::ifstream(path, std::ios::binary).read(read.data(), read.size()).gcount()));
            EXPECT_TRUE(read == bytes) << path << (wasKilled ? " after a kill" : "");
            left += entry.path().filename().string().starts_with(".twinsweep-") ? 1 : 0;
            ++files;
        }
        EXPECT_EQ(files - left, static_cast<size_t>(Copies));
        EXPECT_TRUE(wasKilled || left == 0) << left << " fresh names left by a run that ended";
        killed += wasKilled ? 1 : 0;
        leftovers += left;
    }
    RecordProperty("killed", static_cast<int>(killed));
    RecordProperty("leftovers", static_cast<int>(leftovers));
}
