#include "DuplicateSets.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <tuple>
#include <unistd.h>

#include "KeepOne.h"
#include "ScannedTree.h"
#include "TrashMarked.h"
#include "TrashTally.h"

using namespace twinsweep;

namespace {

int64_t SumOfMembersButOne(const std::vector<DuplicateSet>& sets) {
    int64_t sum = 0;
    for (const DuplicateSet& set : sets)
        sum += static_cast<int64_t>(set.members.size() - 1) * set.size;
    return sum;
}

} // namespace

TEST(DuplicateSets, AreExactlyTheClassesOfIdenticalFilesOnRandomTrees) {
    std::mt19937 random(11);
    for (int round = 0; round < 25; ++round) {
        ScannedTree tree(random);
        const auto sets = SetsOf(tree.lists);
        tree.ExpectSetsAreTheIdenticalClasses(sets, tree.paths);
        for (const DuplicateSet& set : sets) {
            ASSERT_GE(set.members.size(), 2u);
            for (const SetMember& m : set.members)
                EXPECT_EQ(m.facts.size, set.size);
        }
        EXPECT_EQ(FreeableBytes(sets), SumOfMembersButOne(sets));
    }
}

TEST(DuplicateSets, OverlappingGroupsMergeAndPathsToOneFileFreeNothing) {
    ResultLists lists;
    lists.LBB1 = {"/c", "/b", "/x"};
    lists.LBB2 = {"/b", "/a", "/a", "/y", "/d"};
    lists.LL1 = {"0", "0", "1", "one", "0"};
    // "/d" is another path to "/c"'s file.
    const auto facts = [](std::string_view path) {
        return FileFacts{true, {1, path == "/d" ? 'c' : static_cast<ino_t>(path[1])}, 10, 0};
    };
    auto sets = SetsOf(lists, facts);
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].members.size(), 4u);
    EXPECT_EQ((*lists.paths)[sets[0].members[0].path], "/c");
    EXPECT_EQ(FreeableBytes(sets), 20);
    EXPECT_EQ(ExtraFiles(sets), 2u); // four paths, three files
    EXPECT_EQ(MemberCount(sets), 4u);
    sets[0].members[3].marked = true; // "/d": "/c" keeps its bytes
    EXPECT_EQ(MarkedBytes(sets[0]), 0);
    sets[0].members[1].marked = true;
    EXPECT_EQ(MarkedBytes(sets[0]), 10);
}

TEST(KeepOne, EveryRuleKeepsExactlyOneExistingFilePerSet) {
    std::mt19937 random(5);
    for (int round = 0; round < 20; ++round) {
        ScannedTree tree(random);
        auto sets = SetsOf(tree.lists);
        const PathStore& paths = *tree.lists.paths;
        const std::string folder = tree.dir.path("q");
        for (KeepRule rule :
             {KeepRule::Newest, KeepRule::Oldest, KeepRule::ShortestPath, KeepRule::InsideFolder}) {
            ClearMarks(sets);
            const size_t marked = MarkAllButOne(sets, paths, rule, folder);
            size_t setsMarked = 0;
            for (const DuplicateSet& set : sets) {
                std::vector<const SetMember*> kept;
                for (const SetMember& m : set.members)
                    if (!m.marked)
                        kept.push_back(&m);
                ASSERT_FALSE(kept.empty());
                if (kept.size() == set.members.size()) {
                    // Only a folder rule may find nothing to keep.
                    EXPECT_EQ(rule, KeepRule::InsideFolder);
                    for (const SetMember& m : set.members)
                        EXPECT_FALSE(paths[m.path].starts_with(folder + "/"));
                    continue;
                }
                ++setsMarked;
                ASSERT_EQ(kept.size(), 1u);
                EXPECT_EQ(MarkedBytes(set), set.freeable);
                const SetMember& k = *kept[0];
                for (const SetMember& m : set.members) {
                    const bool keptIsRight =
                        rule == KeepRule::Newest   ? k.facts.modified >= m.facts.modified
                        : rule == KeepRule::Oldest ? k.facts.modified <= m.facts.modified
                        : rule == KeepRule::ShortestPath
                            ? paths[k.path].size() <= paths[m.path].size()
                            : paths[k.path].starts_with(folder + "/");
                    EXPECT_TRUE(keptIsRight) << paths[k.path] << " kept, not " << paths[m.path];
                }
            }
            EXPECT_EQ(marked, setsMarked);
        }
    }
}

TEST(KeepOne, InsideAFolderKeepsTheExistingFileClosestToIt) {
    PathStore paths;
    const auto set = [&](std::initializer_list<std::pair<const char*, bool>> files) {
        DuplicateSet s;
        for (const auto& [path, exists] : files)
            s.members.push_back({paths.Intern(path), {exists, {}, 1, 0}});
        return s;
    };
    std::vector<DuplicateSet> sets{
        set({{"/p/Photos/Backup 2019/deep/x", true},
             {"/p/Photos 2/x", true},
             {"/p/Photos/x", false}, // gone: never kept
             {"/p/Photos/a/x", true},
             {"/p/Photos/b/x", true},
             {"/p/x", true}}),
        set({{"/p/Photos/Backup 2019/deep/y", true}, {"/p/Photos/y", true}}),
    };
    EXPECT_EQ(MarkAllButOne(sets, paths, KeepRule::InsideFolder, "/p/Photos"), 2u);
    const auto kept = [&](const DuplicateSet& s) {
        std::vector<std::string_view> unmarked;
        for (const SetMember& m : s.members)
            if (!m.marked)
                unmarked.push_back(paths[m.path]);
        return unmarked;
    };
    EXPECT_EQ(kept(sets[0]), std::vector<std::string_view>{"/p/Photos/a/x"});
    EXPECT_EQ(kept(sets[1]), std::vector<std::string_view>{"/p/Photos/y"});
}

TEST(KeepOne, TheLastUnmarkedFileOfASetAndProtectedFilesCannotBeMarked) {
    DuplicateSet set;
    set.members = {{0, {}}, {1, {}}, {2, {}, false, true}};
    EXPECT_FALSE(SetMark(set, 2, true));
    EXPECT_TRUE(SetMark(set, 0, true));
    EXPECT_TRUE(SetMark(set, 1, true)); // the protected file stays unmarked
    EXPECT_TRUE(SetMark(set, 0, false));
    set.members[2].isProtected = false;
    EXPECT_TRUE(SetMark(set, 2, true));
    EXPECT_FALSE(SetMark(set, 0, true));
    EXPECT_FALSE(set.members[0].marked);
}

// A protected file that exists keeps its set, whatever the rule: every other file is
// marked, and no protected one.
TEST(KeepOne, AProtectedFileIsTheOneKept) {
    PathStore paths;
    DuplicateSet set;
    for (const auto& [path, modified, isProtected] : {std::tuple{"/new", 3, false},
                                                      {"/kept/a", 1, true},
                                                      {"/kept/b", 2, true},
                                                      {"/old", 0, false}})
        set.members.push_back({paths.Intern(path), {true, {}, 1, modified}, false, isProtected});
    for (const KeepRule rule : {KeepRule::Newest, KeepRule::Oldest, KeepRule::ShortestPath}) {
        std::vector<DuplicateSet> sets{set};
        EXPECT_EQ(MarkAllButOne(sets, paths, rule), 1u);
        std::vector<bool> marked;
        for (const SetMember& member : sets[0].members)
            marked.push_back(member.marked);
        EXPECT_EQ(marked, (std::vector<bool>{true, false, false, true}));
    }
    // Gone, it keeps nothing: the rule keeps one of the others.
    set.members[1].facts.exists = set.members[2].facts.exists = false;
    std::vector<DuplicateSet> sets{set};
    MarkAllButOne(sets, paths, KeepRule::Newest);
    EXPECT_FALSE(sets[0].members[0].marked);
    EXPECT_TRUE(sets[0].members[3].marked);
    EXPECT_FALSE(sets[0].members[1].marked || sets[0].members[2].marked);
}

TEST(TrashMarked, LeavesListsWhoseSetsAreThoseOfTheFilesLeft) {
    std::mt19937 random(3);
    for (int round = 0; round < 25; ++round) {
        ScannedTree tree(random);
        auto sets = SetsOf(tree.lists);
        for (DuplicateSet& set : sets)
            for (size_t m = 0; m < set.members.size(); ++m)
                SetMark(set, m, random() % 2 == 0);
        std::vector<std::string> trashed;
        const auto trash = [&](const std::string& path, std::string&) {
            trashed.push_back(path);
            return ::unlink(path.c_str()) == 0;
        };
        EXPECT_TRUE(TrashMarkedFiles(tree.lists, sets, trash).empty());
        std::vector<std::string> left;
        for (const std::string& path : tree.paths)
            if (::access(path.c_str(), F_OK) == 0)
                left.push_back(path);
        EXPECT_EQ(left.size() + trashed.size(), tree.paths.size());
        tree.ExpectSetsAreTheIdenticalClasses(SetsOf(tree.lists), left);
        // Every group keeps members and its number.
        std::vector<bool> hasMembers(tree.lists.LBB1.size(), false);
        for (int g : tree.lists.LL1)
            hasMembers[static_cast<size_t>(g)] = true;
        EXPECT_EQ(std::count(hasMembers.begin(), hasMembers.end(), false), 0);
    }
}

TEST(TrashMarked, AFileStaysUnlessAKeptCopyIsProvenRightBefore) {
    TestFolder dir;
    ResultLists lists;
    lists.LBB1 = {dir.write("a", "same"), dir.write("c", "same")};
    lists.LBB2 = {dir.write("b", "same"), dir.write("d", "same")};
    lists.LL1 = {"0", "1"};
    lists.current1 = 1;
    auto sets = SetsOf(lists, [](std::string_view) { return FileFacts{true, {1, 1}, 4, 0}; });
    ASSERT_EQ(sets.size(), 2u);
    sets[0].members[1].marked = true; // b, kept: a, which changes
    sets[1].members[0].marked = true; // c, a reference, kept: d
    dir.write("a", "diff");
    TextLines trashed;
    const auto trash = [&](const std::string& path, std::string&) {
        trashed.push_back(path);
        return true;
    };
    const auto kept = TrashMarkedFiles(lists, sets, trash);
    EXPECT_EQ(trashed, TextLines{dir.path("c")});
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].path, dir.path("b"));
    EXPECT_EQ(kept[0].reason, KeepReason::Changed);
    // d took c's place and its group, left without members, went; a's group stays current.
    EXPECT_EQ(lists.LBB1, TextLines{dir.path("a")});
    EXPECT_EQ(lists.LBB2, TextLines{dir.path("b")});
    EXPECT_EQ(lists.current1, 0);
    EXPECT_TRUE(lists.IsSelected(0));
}

TEST(TrashTally, SelectedFilesCountOnceAndOnlyMovedFilesAreTallied) {
    ResultLists lists;
    lists.LBB1 = {"/r", "/s"};
    lists.LBB2 = {"/a", "/b", "/a", "/gone"};
    lists.LL1 = {"0", "0", "1", "1"};
    for (size_t i : {0, 2, 3})
        lists.SetSelected(i, true);
    const auto facts = [](std::string_view path) {
        return path == "/gone" ? FileFacts{} : FileFacts{true, {1, 2}, 7, 0};
    };
    const FilesTally selected = SelectedFiles(lists, facts);
    EXPECT_EQ(selected.files, 2u); // "/a" twice, and "/gone"
    EXPECT_EQ(selected.bytes, 7);

    FilesTally moved;
    const TrashFile trash = TallyingTrash(
        [](const std::string& path, std::string& error) {
            error = "refused";
            return path != "/b";
        },
        moved, facts);
    std::string error;
    EXPECT_TRUE(trash("/a", error));
    EXPECT_FALSE(trash("/b", error));
    EXPECT_EQ(moved.files, 1u);
    EXPECT_EQ(moved.bytes, 7);
}
