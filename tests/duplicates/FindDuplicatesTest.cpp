#include "FindDuplicates.h"

#include <gtest/gtest.h>

#include "FileSearchError.h"
#include "HeadlessHost.h"
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
