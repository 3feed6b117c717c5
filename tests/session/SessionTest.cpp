#include "Session.h"

#include <gtest/gtest.h>
#include <new>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "DesktopTrash.h"
#include "HeadlessHost.h"
#include "Shell.h"
#include "TestFolder.h"
#include "VanishingFolder.h"

using namespace twinsweep;

namespace {

struct SearchedTree {
    SearchedTree() {
        for (const char* name : {"a1", "a2", "a3"})
            dir.write(name, "aaa");
        for (const char* name : {"b1", "b2"})
            dir.write(name, "bbb!");
        SearchChoices choices;
        choices.folder = dir.path();
        session.SetChoices(choices);
        EXPECT_TRUE(session.SearchAndWait(host));
        EXPECT_TRUE(session.Scan());
    }
    // The marked paths of all sets.
    std::vector<std::string> Marked() {
        std::vector<std::string> marked;
        for (const DuplicateSet& set : session.Sets())
            for (const SetMember& member : set.members)
                if (member.marked)
                    marked.emplace_back((*session.Paths())[member.path]);
        std::sort(marked.begin(), marked.end());
        return marked;
    }

    TestFolder dir;
    HeadlessHost host;
    Session session{host};
};

// Files of the same bytes in a folder the session is set to search.
struct SameFiles {
    explicit SameFiles(std::initializer_list<const char*> names) {
        for (const char* name : names)
            dir.write(name, "same");
        SearchChoices choices;
        choices.folder = dir.path();
        session.SetChoices(choices);
    }
    TestFolder dir;
    HeadlessHost host;
    Session session{host};
};

bool MoveAway(const std::string& path, std::string&) { return std::remove(path.c_str()) == 0; }

} // namespace

TEST(SessionTest, MarksStayOnTheFilesStillInASetAndEachSetKeepsOne) {
    SearchedTree tree;
    ASSERT_EQ(tree.session.Sets().size(), 2u);
    EXPECT_EQ(tree.session.MarkAllButOne(KeepRule::ShortestPath), 2u);
    ASSERT_EQ(tree.Marked().size(), 3u); // two of a, one of b
    // The last unmarked file of a set cannot be marked.
    const auto& sets = tree.session.Sets();
    for (size_t m = 0; m < sets[0].members.size(); ++m)
        if (!sets[0].members[m].marked) {
            EXPECT_FALSE(tree.session.SetMark(0, m, true));
            EXPECT_TRUE(sets[0].members[m].marked == false);
        }
    // Trashing the first group's duplicates empties its set: the other set keeps its marks.
    std::vector<std::string> otherMarks;
    for (const SetMember& member : sets[1].members)
        if (member.marked)
            otherMarks.emplace_back((*tree.session.Paths())[member.path]);
    std::sort(otherMarks.begin(), otherMarks.end());
    tree.session.SelectFirstGroup();
    const TrashOutcome outcome = tree.session.TrashSelected(MoveAway);
    EXPECT_TRUE(outcome.kept.empty());
    EXPECT_EQ(outcome.moved.files, 1u);
    EXPECT_EQ(tree.session.ListsFault(), "");
    ASSERT_EQ(tree.session.Sets().size(), 1u);
    EXPECT_EQ(tree.Marked(), otherMarks);
    // Lists of another search carry no mark over.
    tree.session.BeginSearch();
    tree.session.Adopt(ResultLists{});
    EXPECT_TRUE(tree.Marked().empty());
}

// A trash that took the kept copies with the first file it moved: that file comes back and
// is reported, not counted as moved; the files after it stay, their kept copies gone.
TEST(SessionTest, AFileWhoseTrashTookItsKeptCopyComesBackUncounted) {
    DesktopTrashData();
    SearchedTree tree;
    tree.session.MarkAllButOne(KeepRule::ShortestPath);
    const std::vector<std::string> marked = tree.Marked();
    std::vector<std::string> kept;
    for (const char* name : {"a1", "a2", "a3", "b1", "b2"})
        if (std::find(marked.begin(), marked.end(), tree.dir.path(name)) == marked.end())
            kept.push_back(tree.dir.path(name));
    const TrashFile takingKept = [&](const std::string& path, std::string& error) {
        const bool moved = MoveToTrash(path, &error);
        for (const std::string& copy : kept)
            std::remove(copy.c_str());
        return moved;
    };
    const TrashOutcome outcome = tree.session.TrashMarked(takingKept);
    EXPECT_EQ(outcome.moved.files, 0u);
    EXPECT_EQ(outcome.moved.bytes, 0);
    ASSERT_EQ(outcome.kept.size(), marked.size());
    EXPECT_EQ(outcome.kept[0].reason, KeepReason::KeptGoneWithIt);
    for (const std::string& path : marked)
        EXPECT_TRUE(::access(path.c_str(), F_OK) == 0) << path;
    EXPECT_TRUE(DesktopTrashEmpty());
    EXPECT_EQ(tree.session.ListsFault(), "");
}

TEST(SessionTest, AProjectThatDoesNotLoadChangesNothing) {
    SearchedTree tree;
    tree.session.MarkAllButOne(KeepRule::Newest);
    const ResultLists before = tree.session.Lists();
    const auto marked = tree.Marked();
    const std::string damaged = tree.dir.write("damaged.tsp", "1\n0\nzz\n");
    EXPECT_THROW(tree.session.LoadProject(damaged), Exception);
    EXPECT_EQ(tree.session.Lists().LBB1, before.LBB1);
    EXPECT_EQ(tree.session.Lists().LBB2, before.LBB2);
    EXPECT_EQ(tree.Marked(), marked);
    // A project saved and loaded again lists the same and marks nothing.
    const std::string file = tree.dir.path("saved.tsp");
    tree.session.SaveProject(file, DefaultColumnWidths);
    EXPECT_EQ(tree.session.LoadProject(file), DefaultColumnWidths);
    EXPECT_EQ(tree.session.Lists().LBB2, before.LBB2);
    EXPECT_TRUE(tree.session.Lists().OneStore());
    EXPECT_TRUE(tree.Marked().empty());
}

TEST(SessionTest, ASearchFillsTheTableSortedBySize) {
    TestFolder dir;
    dir.write("big", "12345");
    dir.write("sub/small", "1");
    dir.write(".hidden", "123");
    SearchChoices choices;
    choices.folder = dir.path();
    HeadlessHost host;
    Session session(host);
    const FileTable& table = session.Table();
    session.SetChoices(choices);
    EXPECT_TRUE(session.SearchAndWait(host));
    ASSERT_EQ(table.FileCount(), 3);
    EXPECT_EQ(table.FilePath(1), dir.path("sub/small"));
    EXPECT_EQ(table.FilePath(2), dir.path(".hidden"));
    EXPECT_EQ(table.FilePath(3), dir.path("big"));
    EXPECT_FALSE(table.Cell(FileTable::DateColumn, 3).empty());

    // Without hidden files, neither dot-files nor what dot-folders hold, though every
    // other attribute is chosen.
    dir.write(".cache/cached.jpg", "12");
    choices.hidden = false;
    session.SetChoices(choices);
    session.SearchAndWait(host);
    ASSERT_EQ(table.FileCount(), 2);
    EXPECT_EQ(table.FilePath(1), dir.path("sub/small"));
    EXPECT_EQ(table.FilePath(2), dir.path("big"));
}

TEST(SessionTest, ASearchThatFailsSaysWhyAndListsNothing) {
    SameFiles tree({"a", "b", "c"});
    Session& session = tree.session;
    HeadlessHost& host = tree.host;
    // Memory running out while a found file is taken.
    EXPECT_FALSE(session.SearchAndWait(host, SIZE_MAX, [](int files) {
        if (files == 2)
            throw std::bad_alloc();
        return true;
    }));
    EXPECT_EQ(session.SearchFailure(), "out of memory");
    EXPECT_TRUE(session.Table().IsEmpty());
    // A stop is no failure, and keeps what was found.
    EXPECT_FALSE(session.SearchAndWait(host, 2));
    EXPECT_EQ(session.SearchFailure(), std::nullopt);
    EXPECT_EQ(session.Table().FileCount(), 2);
}

TEST(SessionTest, FoldersNotListedAndFilesNotReadAreNamedUntilAnotherTable) {
    SameFiles tree({"a", "b", "gone"});
    Session& session = tree.session;
    HeadlessHost& host = tree.host;
    const TestFolder& dir = tree.dir;
    const auto removed = RemoveTwinOnEntry(session.Search(), dir.path(), dir.path("gone"));
    EXPECT_TRUE(session.SearchAndWait(host));
    EXPECT_EQ(session.UnlistedFolders(), std::vector<std::string>{*removed});
    EXPECT_TRUE(session.Scan());
    EXPECT_EQ(session.Scanned().unreadable, std::vector<std::string>{dir.path("gone")});
    EXPECT_EQ(session.Sets().size(), 1u);
    session.Adopt(FileTable());
    EXPECT_TRUE(session.UnlistedFolders().empty());
    EXPECT_TRUE(session.Scanned().unreadable.empty());
}

// Several folders, overlapping or linked to one another, list what a search of the folder
// holding them all lists, each file once, minus what the exclusions leave out; the protected
// files come last among equal sizes, so that they end up as references.
TEST(SessionTest, SeveralFoldersListTheirUnionOnceMinusTheExclusions) {
    const std::string folders[] = {"a/", "a/b/", "c/", "c/node_modules/", "c/d/", "e.tmp/"};
    const std::string names[] = {"x", "y.tmp", "z.b.tmp", "node_modules", "w"};
    std::mt19937 random(24);
    for (int round = 0; round < 12; ++round) {
        TestFolder dir;
        for (int f = 0; f < 30; ++f)
            dir.write("all/" + folders[random() % std::size(folders)] + std::to_string(f) + "/" +
                          names[random() % std::size(names)],
                      std::string(random() % 4, 'q'));
        ::symlink(dir.path("all/a/b").c_str(), dir.path("link").c_str());
        HeadlessHost host;
        Session session(host);
        const auto listed = [&](const SearchChoices& choices) {
            session.SetChoices(choices);
            EXPECT_TRUE(session.SearchAndWait(host));
            std::vector<std::string> paths;
            for (int row = 1; row <= session.Table().FileCount(); ++row)
                paths.push_back(session.Table().FilePath(row));
            return paths;
        };
        SearchChoices whole;
        whole.folder = dir.path("all");
        std::vector<std::string> expected;
        for (const std::string& path : listed(whole)) {
            const std::string inside = path.substr(dir.path("all").size()) + "/";
            if (inside.find("/node_modules/") == std::string::npos &&
                inside.find(".tmp/") == std::string::npos)
                expected.push_back(path);
        }
        // The folders: some inside others, one twice, one through a link, one protected.
        SearchChoices several = whole;
        several.folder = dir.path("all/c");
        several.moreFolders = {{dir.path("all/a/b"), FolderRole::Protected},
                               {dir.path("all"), FolderRole::Searched},
                               {dir.path("all/c/"), FolderRole::Searched},
                               {dir.path("link"), FolderRole::Searched}};
        several.exclusions = {"*.tmp", "node_modules"};
        std::vector<std::string> paths = listed(several);
        const FileTable& table = session.Table();
        for (int row = 2; row <= table.FileCount(); ++row)
            if (table.SameSizeCell(row - 1, row)) {
                EXPECT_TRUE(session.IsProtected(table.FilePath(row)) ||
                            !session.IsProtected(table.FilePath(row - 1)))
                    << "a protected file before an unprotected one of its size";
            }
        std::sort(paths.begin(), paths.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(paths, expected) << "round " << round;
    }
}

// A marked name of the kept file itself frees nothing and is no failure; the copy becomes
// one more name of that file, and the set is gone.
TEST(SessionTest, ReplacingByHardLinksCountsOnlyWhatIsFreed) {
    TestFolder dir;
    const std::string a = dir.write("a", "same bytes"), b = dir.write("b", "same bytes");
    ASSERT_EQ(::link(a.c_str(), dir.path("a_link").c_str()), 0);
    HeadlessHost host;
    Session session(host);
    SearchChoices choices;
    choices.folder = dir.path();
    session.SetChoices(choices);
    ASSERT_TRUE(session.SearchAndWait(host));
    ASSERT_TRUE(session.Scan());
    ASSERT_EQ(session.MarkAllButOne(KeepRule::ShortestPath), 1u);
    EXPECT_EQ(session.MarkedFiles().files, 2u);
    EXPECT_EQ(session.MarkedFiles().bytes, 10);
    const TrashOutcome outcome = session.ReplaceMarked(Replacement::HardLink);
    EXPECT_TRUE(outcome.kept.empty());
    EXPECT_EQ(outcome.moved.files, 1u);
    EXPECT_EQ(outcome.moved.bytes, 10);
    struct stat info {};
    ASSERT_EQ(::stat(b.c_str(), &info), 0);
    EXPECT_EQ(info.st_nlink, 3u);
    EXPECT_TRUE(session.Sets().empty());
    EXPECT_TRUE(session.Lists().LBB2.empty());
}

// At a low open-file limit every copy is still found: the readers share the limit, and an
// open that meets it waits for room instead of calling the file different.
TEST(SessionTest, AllCopiesAreFoundAtALowOpenFileLimit) {
    TestFolder dir;
    for (int i = 0; i < 100; ++i)
        dir.write("copy" + std::to_string(i), std::string(3000, 'c'));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit few{64, 64};
        ::setrlimit(RLIMIT_NOFILE, &few);
        HeadlessHost host;
        Session session(host);
        SearchChoices choices;
        choices.folder = dir.path();
        session.SetChoices(choices);
        const bool found = session.SearchAndWait(host) && session.Scan() &&
                           session.Sets().size() == 1 && session.Sets()[0].members.size() == 100;
        ::_exit(found ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}
