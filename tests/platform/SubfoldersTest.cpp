#include "Subfolders.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <unistd.h>

#include "TestFolder.h"

using namespace twinsweep;

TEST(Subfolders, FoldersAndLinksToFoldersByTheBytesOfTheirNames) {
    TestFolder folder;
    folder.write("\xff/file", "");
    folder.write("sub/file", "");
    folder.write(".hidden/file", "");
    ASSERT_EQ(::symlink("sub", folder.path("to sub").c_str()), 0);
    ASSERT_EQ(::symlink("file", folder.path("to file").c_str()), 0);
    ASSERT_EQ(::symlink("absent", folder.path("dangling").c_str()), 0);
    std::vector<std::string> names = SubfolderNames(folder.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"sub", "to sub", "\xff"}));
    EXPECT_TRUE(SubfolderNames(folder.path("absent")).empty());

    EXPECT_TRUE(IsFolder(folder.path("\xff")));
    EXPECT_TRUE(IsFolder(folder.path("to sub")));
    EXPECT_FALSE(IsFolder(folder.path("sub/file")));
    EXPECT_FALSE(IsFolder(folder.path("dangling")));
}
