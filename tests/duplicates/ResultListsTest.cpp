#include "ResultLists.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "DesktopTrash.h"
#include "Errors.h"
#include "Shell.h"
#include "TestFolder.h"

using namespace twinsweep;

namespace {

// Groups 0, 1, 2 with references R0..R2 and members: a, b in 0; c, d in 1; e in 2.
ResultLists ThreeGroups() {
    ResultLists lists;
    lists.LBB1 = {"/R0", "/R1", "/R2"};
    lists.LBB2 = {"/a", "/c", "/b", "/d", "/e"};
    lists.LL1 = {"0", "1", "0", "1", "2"};
    return lists;
}

std::vector<size_t> Selected(const ResultLists& lists) {
    std::vector<size_t> selected;
    for (size_t i = 0; i < lists.LBB2.size(); ++i)
        if (lists.IsSelected(i))
            selected.push_back(i);
    return selected;
}

} // namespace

// Lists assigned as a whole (a loaded project replacing the window's) keep numbering their
// paths in their own store, so that later entries and every path number agree.
TEST(ResultLists, AssignedListsNumberTheirPathsInTheirOwnStore) {
    ResultLists shown = ThreeGroups();
    ResultLists loaded;
    loaded.LBB1 = {"/loaded"};
    loaded.LBB2 = {"/loaded copy"};
    shown = std::move(loaded);
    ASSERT_TRUE(shown.OneStore());
    EXPECT_EQ(shown.LBB1, TextLines{"/loaded"});
    shown.ClearResults();
    shown.LBB2.push_back("/new");
    EXPECT_EQ((*shown.paths)[shown.LBB2.IdAt(0)], "/new");
    const ResultLists copy = shown;
    EXPECT_TRUE(copy.OneStore());
    EXPECT_EQ(copy.LBB2, TextLines{"/new"});
}

TEST(ResultLists, GroupSelectionSelectsExactlyTheMembers) {
    ResultLists lists = ThreeGroups();
    lists.current1 = 1;
    lists.SetSelected(0, true);
    int messages = 0;
    SelectGroup(lists, {[&] { return ++messages > 3; }}); // whole although told to stop
    EXPECT_EQ(Selected(lists), (std::vector<size_t>{1, 3}));
    EXPECT_EQ(messages, 1);       // once per 65,536 entries
    EXPECT_EQ(lists.current2, 1); // the duplicates' current entry moves into the group
    lists.current2 = 3;
    SelectGroup(lists);
    EXPECT_EQ(lists.current2, 3); // and stays where it already was
    lists.current1 = -1;
    SelectGroup(lists);
    EXPECT_TRUE(Selected(lists).empty());
}

TEST(ResultLists, EntriesThatAreNotNumbersBelongToNoGroup) {
    ResultLists lists = ThreeGroups();
    lists.LL1 = {"0", "one", "0", "1", "2"};
    lists.current1 = 1;
    SelectGroup(lists);
    EXPECT_EQ(Selected(lists), std::vector<size_t>{3});
    lists.current2 = 1;
    FollowUp(lists); // ignored
    EXPECT_EQ(lists.current1, 1);
}

TEST(ResultLists, FollowUpMakesTheGroupCurrentWithoutChangingTheSelection) {
    ResultLists lists = ThreeGroups();
    lists.SetSelected(4, true);
    lists.current2 = 3;
    FollowUp(lists);
    EXPECT_EQ(lists.current1, 1);
    EXPECT_EQ(Selected(lists), std::vector<size_t>{4});
    lists.current2 = -1;
    FollowUp(lists);
    EXPECT_EQ(lists.current1, 1);
}

TEST(ResultLists, SwapExchangesTheDuplicateWithItsOwnReferenceOnly) {
    ResultLists lists = ThreeGroups();
    lists.current1 = 0;
    lists.current2 = 2;
    SwapReferenceAndDuplicate(lists);
    EXPECT_EQ(lists.LBB1[0], "/b");
    EXPECT_EQ(lists.LBB2[2], "/R0");
    EXPECT_EQ(lists.LL1, ThreeGroups().LL1);
    // A duplicate of another group is exchanged with its own reference, never across.
    lists.current2 = 3;
    SwapReferenceAndDuplicate(lists);
    EXPECT_EQ(lists.current1, 1);
    EXPECT_EQ(lists.LBB1[1], "/d");
    EXPECT_EQ(lists.LBB2[3], "/R1");
    lists.current2 = -1;
    try {
        SwapReferenceAndDuplicate(lists);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
    }
    EXPECT_THROW(CurrentEntry(lists.LBB1, 3), EListError);
    EXPECT_EQ(CurrentEntry(lists.LBB2, 4), "/e");
}

// The delete command works on real files: each group's reference and members are copies.
class DeleteDuplicates : public ::testing::Test {
protected:
    // Paths to files in the test folder; every name starting with the same letter after
    // R (R0 with a and b, R1 with c and d, R2 with e) holds the same bytes.
    std::string P(const std::string& name) const { return dir.path(name); }
    TextLines Ps(std::initializer_list<const char*> names) const {
        TextLines paths;
        for (const char* name : names)
            paths.push_back(P(name));
        return paths;
    }
    ResultLists ThreeGroups() {
        for (const char* name : {"R0", "a", "b"})
            dir.write(name, "zero");
        for (const char* name : {"R1", "c", "d"})
            dir.write(name, "one");
        for (const char* name : {"R2", "e"})
            dir.write(name, "two");
        ResultLists lists;
        lists.LBB1 = Ps({"R0", "R1", "R2"});
        lists.LBB2 = Ps({"a", "c", "b", "d", "e"});
        lists.LL1 = {"0", "1", "0", "1", "2"};
        return lists;
    }
    // A trash that records what it was given and leaves the file where it is.
    TrashFile Recording() {
        return [this](const std::string& path, std::string&) {
            trashed.push_back(path);
            return true;
        };
    }

    TestFolder dir;
    TextLines trashed;
};

// Three copies make two groups, A with B and C, then B with C: once B and C went from the
// first, the second names only files that left the disk, and goes too.
TEST_F(DeleteDuplicates, TrashedFilesLeaveEveryGroup) {
    for (const char* name : {"A", "B", "C", "X", "Y"})
        dir.write(name, name[0] < 'X' ? "three" : "two");
    ResultLists lists;
    lists.LBB1 = Ps({"A", "B", "X"});
    lists.LBB2 = Ps({"B", "C", "C", "Y"});
    lists.LL1 = {"0", "0", "1", "2"};
    lists.current1 = 0;
    SelectGroup(lists);
    const auto trash = [](const std::string& path, std::string&) {
        return std::remove(path.c_str()) == 0;
    };
    EXPECT_TRUE(DeleteSelectedDuplicates(lists, trash).empty());
    EXPECT_EQ(lists.LBB1, Ps({"X"}));
    EXPECT_EQ(lists.LBB2, Ps({"Y"}));
    EXPECT_EQ(lists.LL1, TextLines{"0"});
    EXPECT_EQ(lists.current1, 0);
    EXPECT_EQ(Selected(lists), std::vector<size_t>{0});
}

TEST_F(DeleteDuplicates, DeletingSomeMembersKeepsTheGroup) {
    ResultLists lists = ThreeGroups();
    lists.current1 = 0;
    lists.SetSelected(0, true); // a
    EXPECT_TRUE(DeleteSelectedDuplicates(lists, Recording()).empty());
    EXPECT_EQ(trashed, Ps({"a"}));
    EXPECT_EQ(lists.LBB2, Ps({"c", "b", "d", "e"}));
    EXPECT_EQ(lists.LL1, (TextLines{"1", "0", "1", "2"}));
    EXPECT_EQ(lists.LBB1.size(), 3u);
    EXPECT_EQ(Selected(lists), std::vector<size_t>{1}); // the rest of group 0 again
}

TEST_F(DeleteDuplicates, DeletingAllMembersRemovesTheGroupAndRenumbers) {
    ResultLists lists = ThreeGroups();
    lists.current1 = 1;
    SelectGroup(lists);
    DeleteSelectedDuplicates(lists, Recording());
    EXPECT_EQ(lists.LBB1, Ps({"R0", "R2"}));
    EXPECT_EQ(lists.LBB2, Ps({"a", "b", "e"}));
    EXPECT_EQ(lists.LL1, (TextLines{"0", "0", "1"}));
    EXPECT_EQ(lists.current1, 0);
    EXPECT_EQ(Selected(lists), (std::vector<size_t>{0, 1}));
}

TEST_F(DeleteDuplicates, DeletingTheOnlyGroupEmptiesTheLists) {
    dir.write("R", "x");
    dir.write("x", "x");
    dir.write("y", "x");
    ResultLists lists;
    lists.LBB1 = Ps({"R"});
    lists.LBB2 = Ps({"x", "y"});
    lists.LL1 = {"0", "0"};
    lists.current1 = 0;
    SelectGroup(lists);
    DeleteSelectedDuplicates(lists, Recording());
    EXPECT_TRUE(lists.LBB1.empty());
    EXPECT_TRUE(lists.LBB2.empty() && lists.LL1.empty());
    EXPECT_EQ(lists.current1, -1);
}

TEST_F(DeleteDuplicates, EmptyGroupsAtTheFrontAreRemovedUntilOneHasMembers) {
    // Group 0 lost its members through another group; deleting group 2's members leaves
    // group 2 empty, then group 0 is found empty too, and group 1 becomes the first.
    ResultLists lists = ThreeGroups();
    lists.LBB2 = Ps({"c", "e"});
    lists.LL1 = {"1", "2"};
    lists.current1 = 2;
    SelectGroup(lists);
    DeleteSelectedDuplicates(lists, Recording());
    EXPECT_EQ(lists.LBB1, Ps({"R1"}));
    EXPECT_EQ(lists.LL1, TextLines{"0"});
    EXPECT_EQ(lists.current1, 0);
    EXPECT_EQ(Selected(lists), std::vector<size_t>{0});
}

TEST_F(DeleteDuplicates, NothingSelectedDeletesNothingAndSelectsTheGroupAgain) {
    ResultLists lists = ThreeGroups();
    lists.current1 = 2;
    DeleteSelectedDuplicates(lists, Recording());
    EXPECT_TRUE(trashed.empty());
    EXPECT_EQ(lists.LBB2.size(), 5u);
    EXPECT_EQ(Selected(lists), std::vector<size_t>{4});
}

TEST_F(DeleteDuplicates, TheSelectionIsTakenWhenTheDeleteStarts) {
    ResultLists lists = ThreeGroups();
    lists.current1 = 0;
    lists.SetSelected(0, true);
    // Input handled between entries changes the selection; the files stay those chosen.
    DeleteSelectedDuplicates(lists, Recording(), {[&] {
                                 if (lists.LBB2.size() == 5)
                                     lists.SetSelected(4, true);
                                 return true;
                             }});
    EXPECT_EQ(trashed, Ps({"a"}));
}

TEST_F(DeleteDuplicates, AStoppedDeleteMovesNoFurtherFileAndLeavesTheListsWhole) {
    ResultLists lists = ThreeGroups();
    lists.current1 = 0;
    lists.SetSelected(0, true); // a
    lists.SetSelected(2, true); // b, moved first: the list is walked from its end
    int asked = 0;
    const auto kept = DeleteSelectedDuplicates(lists, Recording(), {[&] { return ++asked < 4; }});
    EXPECT_TRUE(kept.empty());
    EXPECT_EQ(trashed, Ps({"b"}));
    EXPECT_EQ(lists.LBB2, Ps({"a", "c", "d", "e"}));
    EXPECT_EQ(lists.LL1, (TextLines{"0", "1", "1", "2"}));
    EXPECT_EQ(Selected(lists), std::vector<size_t>{0}); // group 0 still has a
}

TEST_F(DeleteDuplicates, OnlyProvenCopiesGoAndTheRestIsReported) {
    ResultLists lists = ThreeGroups();
    ::unlink(P("R1").c_str());                             // c, d: the reference is gone
    dir.write("b", "zero, changed");                       // b: no longer a copy
    ::unlink(P("e").c_str());                              // e: gone itself
    ASSERT_EQ(::link(P("R0").c_str(), P("f").c_str()), 0); // f: the reference under another name
    lists.LBB2.push_back(P("f"));
    lists.LL1.push_back("0");
    for (size_t i = 0; i < lists.LBB2.size(); ++i)
        lists.SetSelected(i, true);
    lists.current1 = 0;
    const auto kept = DeleteSelectedDuplicates(lists, Recording());
    EXPECT_EQ(trashed, Ps({"a"}));
    ASSERT_EQ(kept.size(), 5u);
    EXPECT_EQ(kept[0].path, P("c"));
    EXPECT_EQ(kept[0].reason, KeepReason::ReferenceGone);
    EXPECT_EQ(kept[0].detail, P("R1"));
    EXPECT_EQ(kept[1].reason, KeepReason::Changed);
    EXPECT_EQ(kept[2].reason, KeepReason::ReferenceGone);
    EXPECT_EQ(kept[3].reason, KeepReason::DuplicateGone);
    EXPECT_EQ(kept[4].reason, KeepReason::SameFile);
    EXPECT_EQ(lists.LBB2, Ps({"c", "b", "d", "e", "f"})); // every kept entry stays listed
}

TEST_F(DeleteDuplicates, TheLastCopyNeverGoesAndRefusalsAreReported) {
    // A and B are copies, each listed as the other's duplicate (as after a swap).
    dir.write("A", "same");
    dir.write("B", "same");
    ResultLists lists;
    lists.LBB1 = Ps({"A", "B"});
    lists.LBB2 = Ps({"B", "A"});
    lists.LL1 = {"0", "1"};
    lists.SetSelected(0, true);
    lists.SetSelected(1, true);
    lists.current1 = 0;
    const TrashFile moving = [this](const std::string& path, std::string&) {
        trashed.push_back(path);
        return ::rename(path.c_str(), (path + ".trashed").c_str()) == 0;
    };
    const auto kept = DeleteSelectedDuplicates(lists, moving);
    EXPECT_EQ(trashed, Ps({"A"})); // then B's reference A is gone: B stays
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].path, P("B"));
    EXPECT_EQ(kept[0].reason, KeepReason::ReferenceGone);
    // A left the disk, so it left both groups, and B is listed with nothing.
    EXPECT_TRUE(lists.LBB1.empty());
    EXPECT_TRUE(lists.LBB2.empty());

    dir.write("A", "same");
    lists.LBB1 = Ps({"A"});
    lists.LBB2 = Ps({"B"});
    lists.LL1 = {"0"};
    lists.current1 = 0;
    lists.SetSelected(0, true);
    const TrashFile refusing = [](const std::string&, std::string& error) {
        error = "Trashing on system internal mounts is not supported";
        return false;
    };
    const auto refused = DeleteSelectedDuplicates(lists, refusing);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0].reason, KeepReason::TrashFailed);
    EXPECT_EQ(refused[0].detail, "Trashing on system internal mounts is not supported");
    EXPECT_EQ(lists.LBB2, Ps({"B"}));
}

class TrashTakingTheKeptCopy : public ::testing::Test {
protected:
    static void SetUpTestSuite() { DesktopTrashData(); }
    TestFolder dir;
};

// A trash that takes the kept copy with the file, as where two devices show one file: the
// file comes back to its path at once with nothing of it left in the trash, and the reason
// says so. Where something took its place meanwhile it stays in the trash, and the reason
// says where.
TEST_F(TrashTakingTheKeptCopy, TheFileComesBackOrTheReasonSaysWhereItLies) {
    const std::string kept = dir.write("kept", "only bytes"),
                      copy = dir.write("copy", "only bytes");
    const TrashFile takingKept = [&](const std::string& path, std::string& error) {
        return MoveToTrash(path, &error) && ::unlink(kept.c_str()) == 0;
    };
    auto stayed = TrashIfCopy(copy, kept, takingKept);
    ASSERT_TRUE(stayed);
    EXPECT_EQ(stayed->reason, KeepReason::KeptGoneWithIt);
    EXPECT_EQ(stayed->detail, kept);
    EXPECT_EQ(dir.read("copy"), "only bytes");
    EXPECT_TRUE(DesktopTrashEmpty());

    dir.write("kept", "only bytes");
    const TrashFile takingKeptAndPlace = [&](const std::string& path, std::string& error) {
        const bool moved = takingKept(path, error);
        dir.write("copy", "a new file");
        return moved;
    };
    stayed = TrashIfCopy(copy, kept, takingKeptAndPlace);
    ASSERT_TRUE(stayed);
    EXPECT_EQ(stayed->reason, KeepReason::PutBackFailed);
    const std::string trashed = DesktopTrashData().path("Trash/files/copy");
    EXPECT_TRUE(stayed->detail.starts_with(trashed + ": ")) << stayed->detail;
    EXPECT_EQ(DesktopTrashData().read("Trash/files/copy"), "only bytes");
    EXPECT_EQ(dir.read("copy"), "a new file");
}
