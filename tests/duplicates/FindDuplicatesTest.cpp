#include "FindDuplicates.h"

#include <gtest/gtest.h>
#include <tuple>

#include "FileSearchError.h"
#include "HeadlessHost.h"
#include "Paths.h"
#include "TestFolder.h"

using namespace twinsweep;

namespace {

struct Configured {
    HeadlessHost host;
    TFileSearch search{host};
    explicit Configured(const SearchChoices& choices) { ConfigureSearch(search, choices); }
};

} // namespace

TEST(FindDuplicates, ChoicesBecomeTheSearchCriteria) {
    SearchChoices choices;
    choices.folder = "/data/a;b/q?x*";
    Configured all(choices);
    EXPECT_EQ(all.search.Filename(), "*.*");
    EXPECT_EQ(all.search.IncludeFiles(), TextLines{"/data/a;b/q?x*/*.*"}); // one folder, as named
    EXPECT_EQ(all.search.Attributes(),
              (TFileAttributes{ffArchive, ffReadonly, ffHidden, ffSystem}));
    EXPECT_EQ(all.search.SizeMin(), 0);

    choices.extensionOnly = true;
    choices.extension = "txt";
    choices.archive = choices.system = false;
    choices.subfolders = false;
    choices.sizeMinKB = 1;
    choices.sizeMaxKB = 2097151;
    Configured some(choices);
    EXPECT_EQ(some.search.Filename(), "*.txt");
    EXPECT_EQ(some.search.IncludeFiles(), TextLines{"/data/a;b/q?x*/*.txt"});
    EXPECT_FALSE(some.search.Subfolders());
    EXPECT_EQ(some.search.Attributes(), (TFileAttributes{ffReadonly, ffHidden}));
    EXPECT_EQ(some.search.SizeMin(), 1024);
    EXPECT_EQ(some.search.SizeMax(), int64_t{2097151} * 1024);

    choices.extension = "";
    EXPECT_EQ(Configured(choices).search.Filename(), "*."); // names without a dot
    choices.extension = "a/b";
    EXPECT_THROW(Configured{choices}, EFileSearchError);
}

TEST(FindDuplicates, DateBoundsGoToTheChosenPairOnly) {
    SearchChoices choices;
    choices.dateRange = DateRange::Accessed;
    choices.before = {true, 46000.75, false, 0.25};    // the date only: a whole day
    choices.after = {false, 46000.75, true, 45000.25}; // the time only: any day
    Configured accessed(choices);
    EXPECT_EQ(accessed.search.AccessedBefore(), 46000);
    EXPECT_EQ(accessed.search.AccessedAfter(), 0.25);
    EXPECT_EQ(accessed.search.ModifiedBefore(), 0);
    EXPECT_EQ(accessed.search.CreatedAfter(), 0);

    choices.after.dateOn = true; // both: a date with its time
    choices.dateRange = DateRange::Created;
    Configured created(choices);
    EXPECT_EQ(created.search.CreatedAfter(), 46000.25);
    EXPECT_EQ(created.search.AccessedBefore(), 0);

    choices.dateRange = DateRange::None;
    Configured none(choices);
    EXPECT_EQ(none.search.CreatedAfter(), 0);
    EXPECT_EQ(none.search.ModifiedBefore(), 0);
}

TEST(SearchFolders, ExclusionsMatchNamesAndPathsAndProtectionEndsAtTheFolder) {
    const Exclusions none{{"", "/"}};
    EXPECT_FALSE(none.Excludes("/a/b", true));
    const Exclusions exclusions{{"*.tmp", "node_modules", ".git/", "/data/cache", "/x/*/raw"}};
    for (const auto& [path, folder, excluded] : {std::tuple{"/a/b.tmp", false, true},
                                                 {"/a/b.c.tmp", false, true},
                                                 {"/a/B.TMP", false, false},
                                                 {"/a/node_modules", true, true},
                                                 {"/a/node_modules", false, true},
                                                 {"/a/node_modules2", true, false},
                                                 {"/a/.git", true, true},
                                                 {"/a/.git", false, false},
                                                 {"/data/cache", true, true},
                                                 {"/data/cache2", true, false},
                                                 {"/other/data/cache", true, false},
                                                 {"/x/y/raw", true, true},
                                                 {"/x/y/z/raw", true, false}})
        EXPECT_EQ(exclusions.Excludes(path, folder), excluded) << path;

    const ProtectedFolders protectedFolders(
        {{"/p/keep", FolderRole::Protected}, {"/p/free", FolderRole::Searched}});
    EXPECT_TRUE(protectedFolders.Covers("/p/keep/a"));
    EXPECT_TRUE(protectedFolders.Covers("/p/keep/"));
    EXPECT_FALSE(protectedFolders.Covers("/p/keeper/a"));
    EXPECT_FALSE(protectedFolders.Covers("/p/free/a"));
    EXPECT_TRUE(ProtectedFolders({{"rel", FolderRole::Protected}}).Covers(ExpandFileName("rel/a")));
}
