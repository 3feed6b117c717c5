// Replacing marked files on real file systems, each mounted fresh: clones on XFS, hard links
// on tmpfs, and what fails across file systems; and an overlay that shows a searched folder
// a second time, under its own device.
#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <map>
#include <random>
#include <span>
#include <sstream>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include "DesktopTrash.h"
#include "FilesIdentical.h"
#include "HeadlessHost.h"
#include "MountedFolder.h"
#include "Session.h"
#include "Shell.h"
#include "TestFolder.h"

using namespace twinsweep;

namespace {

void Write(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct stat Stat(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

void SetModified(const std::string& path, time_t seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// The free bytes of the file system holding `folder`, once all written reached it.
int64_t FreeBytes(const std::string& folder) {
    const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    EXPECT_EQ(::syncfs(handle), 0);
    ::close(handle);
    struct statvfs info {};
    EXPECT_EQ(::statvfs(folder.c_str(), &info), 0);
    return static_cast<int64_t>(info.f_bfree) * static_cast<int64_t>(info.f_frsize);
}

// Whether the file has blocks and the file system calls every one of them shared.
bool EveryExtentShared(const std::string& path) {
    constexpr unsigned Most = 256;
    alignas(fiemap) char buffer[sizeof(fiemap) + Most * sizeof(fiemap_extent)] = {};
    auto* map = reinterpret_cast<fiemap*>(buffer);
    map->fm_length = FIEMAP_MAX_OFFSET;
    map->fm_flags = FIEMAP_FLAG_SYNC;
    map->fm_extent_count = Most;
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const bool mapped = ::ioctl(file, FS_IOC_FIEMAP, map) == 0 && map->fm_mapped_extents > 0;
    ::close(file);
    const auto extents = std::span(map->fm_extents, mapped ? map->fm_mapped_extents : 0);
    return mapped && (extents.back().fe_flags & FIEMAP_EXTENT_LAST) &&
           std::all_of(extents.begin(), extents.end(), [](const fiemap_extent& extent) {
               return extent.fe_flags & FIEMAP_EXTENT_SHARED;
           });
}

// The names a replacement made and left below `folder`.
size_t Leftovers(const std::string& folder) {
    size_t count = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        count += entry.path().filename().string().starts_with(".twinsweep-") ? 1 : 0;
    return count;
}

// TWINSWEEP_SEED when set, to run a failed case again, else a fresh one.
uint32_t Seed() {
    const char* fixed = std::getenv("TWINSWEEP_SEED");
    return fixed ? static_cast<uint32_t>(std::stoul(fixed)) : std::random_device{}();
}

// Sets of two to five identical files of 64 KiB to 2 MiB, each written on its own, in four
// folders; beside them unique files and, for some sets, a file of their size whose last
// byte differs.
struct RandomTree {
    RandomTree(const std::string& root, uint32_t seed) {
        std::mt19937 random(seed);
        const auto bytes = [&](size_t size) {
            std::string made(size, '\0');
            for (size_t at = 0; at < size; at += 4) {
                const uint32_t word = random();
                std::memcpy(&made[at], &word, std::min<size_t>(4, size - at));
            }
            return made;
        };
        const auto name = [&](const std::string& kind, size_t n) {
            return root + "d" + std::to_string(random() % 4) + "/" + kind + std::to_string(n);
        };
        for (size_t s = 0; s < 5; ++s) {
            const std::string content = bytes((64 << 10) + random() % ((2 << 20) - (64 << 10)));
            sets.emplace_back();
            for (size_t copy = 2 + random() % 4; copy > 0; --copy)
                sets.back().push_back(name("s" + std::to_string(s) + "c", copy));
            for (const std::string& path : sets.back())
                files[path] = content;
            if (random() % 2)
                (files[name("near", s)] = content).back() ^= 1;
            files[name("unique", s)] = bytes((64 << 10) + random() % (1 << 20));
        }
        for (const auto& [path, content] : files)
            Write(path, content);
    }
    // The bytes that all but one file of each set hold.
    int64_t DuplicateBytes() const {
        int64_t sum = 0;
        for (const auto& set : sets)
            sum += static_cast<int64_t>((set.size() - 1) * files.at(set[0]).size());
        return sum;
    }

    std::map<std::string, std::string> files; // by path
    std::vector<std::vector<std::string>> sets;
};

// A session that searched and scanned the folders.
struct Searched {
    explicit Searched(const std::string& folder, std::vector<SearchFolder> more = {}) {
        SearchChoices choices;
        choices.folder = folder;
        choices.moreFolders = std::move(more);
        session.SetChoices(choices);
        EXPECT_TRUE(session.SearchAndWait(host));
        EXPECT_TRUE(session.Scan());
    }
    std::vector<std::vector<std::string>> SetPaths() {
        std::vector<std::vector<std::string>> sets;
        for (const DuplicateSet& set : session.Sets()) {
            sets.emplace_back();
            for (const SetMember& member : set.members)
                sets.back().emplace_back((*session.Paths())[member.path]);
            std::sort(sets.back().begin(), sets.back().end());
        }
        std::sort(sets.begin(), sets.end());
        return sets;
    }
    // The path the marks leave of each set.
    std::vector<std::string> Unmarked() {
        std::vector<std::string> kept;
        for (const DuplicateSet& set : session.Sets())
            for (const SetMember& member : set.members)
                if (!member.marked)
                    kept.emplace_back((*session.Paths())[member.path]);
        return kept;
    }

    HeadlessHost host;
    Session session{host};
};

// Writes a random tree below `root`, replaces all but the oldest file of each set and checks
// what holds either way: the sets found are those written, every path keeps its bytes, the
// bytes replaced are the marked ones and the file system gains them, no fresh name is left
// and the lists hold no replaced file. Then `check` sees each set with its kept path.
void ReplaceAllButOldest(const std::string& root, Replacement how,
                         const std::function<void(const std::vector<std::string>& set,
                                                  const std::string& kept)>& check) {
    const uint32_t seed = Seed();
    SCOPED_TRACE("TWINSWEEP_SEED=" + std::to_string(seed));
    RandomTree tree(root, seed);
    const int64_t freeBefore = FreeBytes(root);
    Searched searched(root);
    Session& session = searched.session;
    auto expected = tree.sets;
    for (auto& set : expected)
        std::sort(set.begin(), set.end());
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(searched.SetPaths(), expected);
    EXPECT_EQ(session.MarkAllButOne(KeepRule::Oldest), tree.sets.size());
    const std::vector<std::string> kept = searched.Unmarked();
    const FilesTally marked = session.MarkedFiles();
    EXPECT_EQ(marked.bytes, tree.DuplicateBytes());

    const TrashOutcome outcome = session.ReplaceMarked(how);
    for (const KeptDuplicate& refused : outcome.kept)
        ADD_FAILURE() << refused.path << " stayed: " << refused.detail;
    EXPECT_EQ(outcome.moved.files, marked.files);
    EXPECT_EQ(outcome.moved.bytes, marked.bytes);
    for (const auto& [path, content] : tree.files)
        EXPECT_TRUE(Read(path) == content) << path << " lost its bytes";
    EXPECT_TRUE(session.Sets().empty());
    EXPECT_EQ(session.ListsFault(), "");
    EXPECT_EQ(Leftovers(root), 0u);
    const double gained = static_cast<double>(FreeBytes(root) - freeBefore);
    EXPECT_NEAR(gained, static_cast<double>(marked.bytes),
                0.05 * static_cast<double>(marked.bytes));
    for (const auto& set : tree.sets)
        for (const std::string& path : kept)
            if (std::find(set.begin(), set.end(), path) != set.end())
                check(set, path);
}

} // namespace

// Clones share the kept copy's blocks as their own inodes, and a search afterwards finds the
// sets again with nothing left to free: replacing again changes nothing.
TEST(ReplaceOnFileSystems, ClonesOnXfsKeepEveryPathAndFreeTheDuplicatesBytes) {
    MountedFolder xfs(MountedFolder::XfsWithReflink);
    if (!xfs.mounted())
        GTEST_SKIP() << xfs.why();
    std::map<std::string, ino_t> inodes;
    std::vector<std::vector<std::string>> sets;
    ReplaceAllButOldest(xfs.path(), Replacement::Clone, [&](const auto& set, const auto& kept) {
        sets.push_back(set);
        std::sort(sets.back().begin(), sets.back().end());
        for (const std::string& path : set) {
            EXPECT_TRUE(EveryExtentShared(path)) << path;
            EXPECT_TRUE(path == kept || Stat(path).st_ino != Stat(kept).st_ino) << path;
            inodes[path] = Stat(path).st_ino;
        }
    });
    Searched again(xfs.path());
    std::sort(sets.begin(), sets.end());
    EXPECT_EQ(again.SetPaths(), sets);
    EXPECT_EQ(FreeableBytes(again.session.Sets()), 0);
    again.session.MarkAllButOne(KeepRule::Oldest);
    EXPECT_EQ(again.session.MarkedFiles().bytes, 0);
    const TrashOutcome outcome = again.session.ReplaceMarked(Replacement::Clone);
    EXPECT_EQ(outcome.moved.files, 0u);
    EXPECT_TRUE(outcome.kept.empty());
    for (const auto& [path, inode] : inodes)
        EXPECT_EQ(Stat(path).st_ino, inode) << path;
}

TEST(ReplaceOnFileSystems, HardLinksOnTmpfsMakeEachSetOneFile) {
    MountedFolder tmpfs(MountedFolder::Tmpfs);
    if (!tmpfs.mounted())
        GTEST_SKIP() << tmpfs.why();
    ReplaceAllButOldest(tmpfs.path(), Replacement::HardLink, [](const auto& set, const auto& kept) {
        for (const std::string& path : set)
            EXPECT_EQ(Stat(path).st_ino, Stat(kept).st_ino) << path;
        EXPECT_EQ(Stat(kept).st_nlink, set.size());
    });
}

// A set reaching from tmpfs to another file system can be neither linked nor cloned; a set
// on tmpfs alone can be linked only. What fails stays whole, and leaves no fresh name.
TEST(ReplaceOnFileSystems, WhatTheFileSystemRefusesStaysWhole) {
    MountedFolder tmpfs(MountedFolder::Tmpfs);
    if (!tmpfs.mounted())
        GTEST_SKIP() << tmpfs.why();
    TestFolder other;
    const std::string far = tmpfs.path("far"), kept = other.write("kept", "far bytes");
    const std::string near = tmpfs.path("near"), first = tmpfs.path("first");
    Write(far, "far bytes");
    Write(first, "near bytes");
    Write(near, "near bytes");
    SetModified(kept, 1000);
    SetModified(first, 1000);
    Searched searched(tmpfs.path(), {{other.path(), FolderRole::Searched}});
    Session& session = searched.session;
    ASSERT_EQ(session.MarkAllButOne(KeepRule::Oldest), 2u);
    const auto failures = [&](Replacement how) {
        std::map<std::string, KeptDuplicate> failed;
        for (const KeptDuplicate& refused : session.ReplaceMarked(how).kept)
            failed.emplace(refused.path, refused);
        EXPECT_EQ(Read(far), "far bytes");
        EXPECT_EQ(Read(near), "near bytes");
        EXPECT_EQ(Leftovers(tmpfs.path()) + Leftovers(other.path()), 0u);
        return failed;
    };
    const auto clones = failures(Replacement::Clone);
    ASSERT_EQ(clones.size(), 2u);
    EXPECT_EQ(clones.at(far).reason, KeepReason::OtherFileSystem) << clones.at(far).detail;
    EXPECT_EQ(clones.at(near).reason, KeepReason::NoClones);
    EXPECT_TRUE(clones.at(near).detail.starts_with("FICLONE: ")) << clones.at(near).detail;
    const auto links = failures(Replacement::HardLink);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links.at(far).reason, KeepReason::OtherFileSystem);
    EXPECT_NE(links.at(far).detail.find(std::strerror(EXDEV)), std::string::npos)
        << links.at(far).detail;
    EXPECT_EQ(Stat(near).st_ino, Stat(first).st_ino);
    EXPECT_NE(Stat(far).st_ino, Stat(kept).st_ino);
}

// A marked file written anew after the scan stays with its new bytes; protected files and
// the kept copies are never replaced, though the rule would keep another.
TEST(ReplaceOnFileSystems, ChangedProtectedAndKeptFilesStay) {
    TestFolder dir;
    const std::string guarded = dir.write("guarded/a", "aaaa");
    dir.write("free/a1", "aaaa");
    dir.write("free/a2", "aaaa");
    for (const char* name : {"free/b1", "free/b2", "free/b3"})
        SetModified(dir.write(name, "bbbb"), 1000);
    SetModified(dir.path("free/a1"), 1000);
    Searched searched(dir.path("free"), {{dir.path("guarded"), FolderRole::Protected}});
    Session& session = searched.session;
    ASSERT_EQ(session.MarkAllButOne(KeepRule::Oldest), 2u);
    std::map<std::string, ino_t> unmarked;
    for (const std::string& path : searched.Unmarked())
        unmarked[path] = Stat(path).st_ino;
    ASSERT_TRUE(unmarked.contains(guarded));
    const std::string changed =
        unmarked.contains(dir.path("free/b1")) ? dir.path("free/b2") : dir.path("free/b1");
    dir.write(changed.substr(dir.path().size()), "BBBB");

    const TrashOutcome outcome = session.ReplaceMarked(Replacement::HardLink);
    ASSERT_EQ(outcome.kept.size(), 1u);
    EXPECT_EQ(outcome.kept[0].path, changed);
    EXPECT_EQ(outcome.kept[0].reason, KeepReason::Changed);
    EXPECT_EQ(Read(changed), "BBBB");
    EXPECT_EQ(outcome.moved.files, 3u); // a1, a2 and one of b
    for (const auto& [path, inode] : unmarked)
        EXPECT_EQ(Stat(path).st_ino, inode) << path;
    EXPECT_EQ(Stat(dir.path("free/a1")).st_ino, unmarked.at(guarded));
    EXPECT_EQ(Leftovers(dir.path()), 0u);
}

// An overlay's file and the lower file it shows have one inode number on two devices: never
// a pair, never identical at the trash's check, while a true copy of them is found.
TEST(ReplaceOnFileSystems, AnOverlaysViewOfALowerFileIsNoDuplicateOfIt) {
    MountedFolder overlay(MountedFolder::Overlay);
    if (!overlay.mounted())
        GTEST_SKIP() << overlay.why();
    const std::string lower = overlay.tree("lower/"), merged = overlay.tree("merged/");
    Write(lower + "x", "only copy");
    Write(lower + "y", "two copies");
    Write(overlay.tree("copy/y"), "two copies");
    ASSERT_EQ(Stat(lower + "x").st_ino, Stat(merged + "x").st_ino);
    ASSERT_NE(Stat(lower + "x").st_dev, Stat(merged + "x").st_dev);
    Searched searched(overlay.tree());
    const ResultLists& lists = searched.session.Lists();
    for (size_t i = 0; i < lists.LBB2.size(); ++i) {
        const std::string pair = std::string(lists.LBB1[static_cast<size_t>(lists.LL1[i])]) + " " +
                                 std::string(lists.LBB2[i]);
        EXPECT_EQ(pair.find("lower/"), pair.rfind("lower/")) << pair; // one copy of itself
        EXPECT_NE(pair.find("copy/y"), std::string::npos) << pair;
    }
    EXPECT_EQ(searched.SetPaths(), (std::vector<std::vector<std::string>>{
                                       {overlay.tree("copy/y"), lower + "y", merged + "y"}}));
    EXPECT_EQ(CompareFiles(merged + "x", lower + "x"), Comparison::SameFile);
}

// With no check to tell them apart, trashing the lower file takes the overlay's file with it,
// though its name still opens: the lower file comes back at once, and both show its bytes.
TEST(ReplaceOnFileSystems, ALowerFileWhoseTrashTookTheOverlaysViewComesBack) {
    MountedFolder overlay(MountedFolder::Overlay);
    if (!overlay.mounted())
        GTEST_SKIP() << overlay.why();
    DesktopTrashData();
    const std::string lower = overlay.tree("lower/x"), merged = overlay.tree("merged/x");
    Write(lower, "only copy");
    FileStamp viewed;
    ASSERT_TRUE(StampOfPath(merged, viewed));
    ASSERT_EQ(Read(merged), "only copy");
    const TrashFile trash = [](const std::string& path, std::string& error) {
        return MoveToTrash(path, &error);
    };
    const auto stayed = TrashIfKeptStays(lower, merged, viewed, trash);
    ASSERT_TRUE(stayed);
    EXPECT_EQ(stayed->reason, KeepReason::KeptGoneWithIt) << stayed->detail;
    EXPECT_EQ(Read(lower), "only copy");
    EXPECT_EQ(Read(merged), "only copy");
    EXPECT_TRUE(DesktopTrashEmpty());
}
