#include <gtest/gtest.h>

#include "Errors.h"
#include "ResultLists.h"

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

TEST(ResultLists, GroupSelectionSelectsExactlyTheMembers) {
    ResultLists lists = ThreeGroups();
    lists.current1 = 1;
    lists.SetSelected(0, true);
    int messages = 0;
    SelectGroup(lists, [&] { ++messages; });
    EXPECT_EQ(Selected(lists), (std::vector<size_t>{1, 3}));
    EXPECT_EQ(messages, 10); // before each entry, twice over
    lists.current1 = -1;
    SelectGroup(lists, nullptr);
    EXPECT_TRUE(Selected(lists).empty());
}

TEST(ResultLists, EntriesThatAreNotNumbersBelongToNoGroup) {
    ResultLists lists = ThreeGroups();
    lists.LL1[1] = "one";
    lists.current1 = 1;
    SelectGroup(lists, nullptr);
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

TEST(ResultLists, SwapExchangesTheTwoCurrentEntriesOnly) {
    ResultLists lists = ThreeGroups();
    lists.current1 = 0;
    lists.current2 = 2;
    SwapReferenceAndDuplicate(lists);
    EXPECT_EQ(lists.LBB1[0], "/b");
    EXPECT_EQ(lists.LBB2[2], "/R0");
    EXPECT_EQ(lists.LL1, ThreeGroups().LL1);
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

TEST(ResultLists, DeletingSomeMembersKeepsTheGroup) {
    ResultLists lists = ThreeGroups();
    lists.current1 = 0;
    lists.SetSelected(0, true); // /a
    std::vector<std::string> trashed;
    DeleteSelectedDuplicates(lists, [&](const std::string& p) { trashed.push_back(p); return true; }, nullptr);
    EXPECT_EQ(trashed, std::vector<std::string>{"/a"});
    EXPECT_EQ(lists.LBB2, (TextLines{"/c", "/b", "/d", "/e"}));
    EXPECT_EQ(lists.LL1, (TextLines{"1", "0", "1", "2"}));
    EXPECT_EQ(lists.LBB1.size(), 3u);
    EXPECT_EQ(Selected(lists), std::vector<size_t>{1}); // the rest of group 0 again
}

TEST(ResultLists, DeletingAllMembersRemovesTheGroupAndRenumbers) {
    ResultLists lists = ThreeGroups();
    lists.current1 = 1;
    SelectGroup(lists, nullptr);
    DeleteSelectedDuplicates(lists, [](const std::string&) { return false; }, nullptr); // failures still leave the lists
    EXPECT_EQ(lists.LBB1, (TextLines{"/R0", "/R2"}));
    EXPECT_EQ(lists.LBB2, (TextLines{"/a", "/b", "/e"}));
    EXPECT_EQ(lists.LL1, (TextLines{"0", "0", "1"}));
    EXPECT_EQ(lists.current1, 0);
    EXPECT_EQ(Selected(lists), (std::vector<size_t>{0, 1}));
}

TEST(ResultLists, DeletingTheOnlyGroupEmptiesTheLists) {
    ResultLists lists;
    lists.LBB1 = {"/R"};
    lists.LBB2 = {"/x", "/y"};
    lists.LL1 = {"0", "0"};
    lists.current1 = 0;
    SelectGroup(lists, nullptr);
    DeleteSelectedDuplicates(lists, [](const std::string&) { return true; }, nullptr);
    EXPECT_TRUE(lists.LBB1.empty());
    EXPECT_TRUE(lists.LBB2.empty() && lists.LL1.empty());
    EXPECT_EQ(lists.current1, -1);
}

TEST(ResultLists, EmptyGroupsAtTheFrontAreRemovedUntilOneHasMembers) {
    // Group 0 lost its members through another group; deleting group 2's members leaves
    // group 2 empty, then group 0 is found empty too, and group 1 becomes the first.
    ResultLists lists;
    lists.LBB1 = {"/R0", "/R1", "/R2"};
    lists.LBB2 = {"/c", "/e"};
    lists.LL1 = {"1", "2"};
    lists.current1 = 2;
    SelectGroup(lists, nullptr);
    DeleteSelectedDuplicates(lists, [](const std::string&) { return true; }, nullptr);
    EXPECT_EQ(lists.LBB1, TextLines{"/R1"});
    EXPECT_EQ(lists.LL1, TextLines{"0"});
    EXPECT_EQ(lists.current1, 0);
    EXPECT_EQ(Selected(lists), std::vector<size_t>{0});
}

TEST(ResultLists, NothingSelectedDeletesNothingAndSelectsTheGroupAgain) {
    ResultLists lists = ThreeGroups();
    lists.current1 = 2;
    int trashed = 0;
    DeleteSelectedDuplicates(lists, [&](const std::string&) { return ++trashed > 0; }, nullptr);
    EXPECT_EQ(trashed, 0);
    EXPECT_EQ(lists.LBB2.size(), 5u);
    EXPECT_EQ(Selected(lists), std::vector<size_t>{4});
}

TEST(ResultLists, TheSelectionIsTakenWhenTheDeleteStarts) {
    ResultLists lists = ThreeGroups();
    lists.current1 = 0;
    lists.SetSelected(0, true);
    std::vector<std::string> trashed;
    // Input handled between entries changes the selection; the files stay those chosen.
    DeleteSelectedDuplicates(
        lists, [&](const std::string& p) { trashed.push_back(p); return true; },
        [&] { if (lists.LBB2.size() == 5) lists.SetSelected(4, true); });
    EXPECT_EQ(trashed, std::vector<std::string>{"/a"});
}
