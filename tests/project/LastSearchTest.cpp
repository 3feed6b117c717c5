#include "LastSearch.h"

#include <gtest/gtest.h>

#include "DateTime.h"
#include "TestFolder.h"

using namespace twinsweep;

TEST(LastSearch, ComesBackWholeAndDamagedOrUnwritableCriteriaAreLeftOut) {
    TestFolder dir;
    SearchChoices choices;
    choices.folder = dir.path("a;b*?\xff/");
    choices.extensionOnly = true;
    choices.extension = "jpg";
    choices.sizeMaxKB = 1 << 20;
    choices.after.dateOn = true;
    choices.after.date = choices.after.time = choices.before.date = choices.before.time =
        EncodeDate(2026, 12, 9) + EncodeTime(16, 46, 0, 0);
    const std::string file = dir.path("last-search.dat");
    SaveLastSearch(file, choices);
    EXPECT_EQ(LoadLastSearch(file, SearchChoices{}).value_or(SearchChoices{}).folder,
              choices.folder);
    EXPECT_EQ(LoadLastSearch(file, choices), choices);

    // A line break cannot be kept: the file stays as it was.
    SearchChoices broken = choices;
    broken.extension = "a\nb";
    SaveLastSearch(file, broken);
    EXPECT_EQ(LoadLastSearch(file, choices), choices);

    // More folders, roles and exclusions come back; a file of one folder clears them.
    SearchChoices several = choices;
    several.folderRole = FolderRole::Protected;
    several.moreFolders = {{"/b", FolderRole::Searched}, {"/c;d", FolderRole::Protected}};
    several.exclusions = {"*.tmp", "node_modules/"};
    SaveLastSearch(file, several);
    EXPECT_EQ(LoadLastSearch(file, choices), several);
    SaveLastSearch(file, choices);
    EXPECT_EQ(LoadLastSearch(file, several), choices);

    dir.write("last-search.dat", "/folder\r\n1\r\n");
    EXPECT_EQ(LoadLastSearch(file, SearchChoices{}), std::nullopt);
    EXPECT_EQ(LoadLastSearch(dir.path("missing"), SearchChoices{}), std::nullopt);
}
