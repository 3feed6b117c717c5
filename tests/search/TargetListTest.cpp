#include "TargetList.h"

#include <gtest/gtest.h>
#include <unistd.h>

using namespace twinsweep;

TEST(TargetList, MasksAndFoldersFromFilenameAndLocation) {
    char buffer[4096];
    const std::string here = std::string(::getcwd(buffer, sizeof buffer)) + "/";
    EXPECT_EQ(MaskOfFilename(""), "*.*");
    EXPECT_EQ(MaskOfFilename("readme"), "readme.*");
    EXPECT_EQ(MaskOfFilename("*.txt"), "*.txt");
    EXPECT_EQ(BuildTargetList("*.jpg", "", {}), TextLines{here + "*.jpg"});
    EXPECT_EQ(BuildTargetList("*.*", "/a;;/b", {}), (TextLines{"/a/*.*", here + "*.*", "/b/*.*"}));
    EXPECT_EQ(BuildTargetList("*.*", "/a;;", {}), TextLines{"/a/*.*"});
    EXPECT_EQ(BuildTargetList("*.*", "/a;/a/;/x/../a", {}), TextLines{"/a/*.*"});
    EXPECT_EQ(BuildTargetList("*.*", "/a;/A", {}), (TextLines{"/a/*.*", "/A/*.*"}));
    EXPECT_EQ(BuildTargetList("x", "sub/../rel", {}), TextLines{here + "rel/x.*"});
    const TextLines include{"/a/*.txt", "/a/*.txt", "rel/x*"};
    EXPECT_EQ(BuildTargetList("*.jpg", "/b", include), include);

    EXPECT_EQ(SplitTarget("/a/b/*.txt").folder, "/a/b/");
    EXPECT_EQ(SplitTarget("/a/b/*.txt").mask, "*.txt");
    EXPECT_EQ(SplitTarget("rel/x*").folder, here + "rel/");
    EXPECT_EQ(SplitTarget("*.txt").folder, here);
    EXPECT_EQ(SplitTarget("/x:y/a:b").mask, "a:b");

    // A chosen folder is one folder, whatever it is called.
    const std::string odd = FolderTarget("/a;b/q?x*", "");
    EXPECT_EQ(odd, "/a;b/q?x*/*.*");
    EXPECT_EQ(SplitTarget(odd).folder, "/a;b/q?x*/");
}
