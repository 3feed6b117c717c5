#include "Paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "SystemFolders.h"
#include "TestFolder.h"

using namespace twinsweep;

TEST(Paths, SplitsAndEndsFolders) {
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a/b"), "/a/b/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a/b/"), "/a/b/");
    EXPECT_EQ(IncludeTrailingPathDelimiter(""), "/");
    EXPECT_EQ(ExtractFilePath("/a/b/c.txt"), "/a/b/");
    EXPECT_EQ(ExtractFileName("/a/b/c.txt"), "c.txt");
    EXPECT_EQ(ExtractFilePath("c.txt"), "");
    EXPECT_EQ(ExtractFileName("/a/b/"), "");
    EXPECT_EQ(ExtractFileName("C:x"), "C:x"); // ':' is an ordinary character
}

TEST(Paths, ExpandsLexicallyWithoutTouchingTheDisk) {
    EXPECT_EQ(ExpandFileName("/a/./b/../c"), "/a/c");
    EXPECT_EQ(ExpandFileName("/a//b/"), "/a/b/");
    EXPECT_EQ(ExpandFileName("/../.."), "/");
    EXPECT_EQ(ExpandFileName("/a/b/.."), "/a/");
    EXPECT_EQ(ExpandFileName("/does/not/exist/x"), "/does/not/exist/x");
}

TEST(Paths, ExpandsRelativeToTheCurrentFolder) {
    TestFolder folder;
    char saved[4096];
    ASSERT_TRUE(getcwd(saved, sizeof saved));
    ASSERT_EQ(chdir(folder.path().c_str()), 0);
    char real[4096];
    ASSERT_TRUE(getcwd(real, sizeof real));
    const std::string here = real;
    EXPECT_EQ(ExpandFileName("x/y"), here + "/x/y");
    EXPECT_EQ(ExpandFileName("."), here + "/");
    EXPECT_EQ(ExpandFileName(""), here + "/");
    EXPECT_EQ(ExpandFileName("../sub/"), ExtractFilePath(here) + "sub/");
    ASSERT_EQ(chdir(saved), 0);
}

TEST(SystemFolders, ProgramAndTemporaryFolders) {
    const std::string program = ProgramFolder();
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(program.back(), '/');
    EXPECT_EQ(access((program + "platform_tests").c_str(), X_OK), 0);

    const char* saved = getenv("TMPDIR");
    const std::string previous = saved ? saved : "";
    setenv("TMPDIR", "/var/tmp", 1);
    EXPECT_EQ(TemporaryFolder(), "/var/tmp/");
    setenv("TMPDIR", "", 1);
    EXPECT_EQ(TemporaryFolder(), "/tmp/");
    unsetenv("TMPDIR");
    EXPECT_EQ(TemporaryFolder(), "/tmp/");
    if (saved)
        setenv("TMPDIR", previous.c_str(), 1);
}

TEST(SystemFolders, DataBesideTheProgramOrInstalledUnderShare) {
    TestFolder folder;
    const std::string bin = folder.path("bin/");
    std::filesystem::create_directories(bin);
    EXPECT_EQ(DataFolderFor(bin), bin); // the build tree: data beside the program
    folder.write("share/twinsweep", "a file, not a folder");
    EXPECT_EQ(DataFolderFor(bin), bin);
    std::filesystem::remove(folder.path("share/twinsweep"));
    std::filesystem::create_directories(folder.path("share/twinsweep"));
    EXPECT_EQ(DataFolderFor(bin), folder.path("share/twinsweep/"));

    // The tests run from the build tree.
    EXPECT_EQ(DataFolder(), ProgramFolder());
}

TEST(SystemFolders, TemporaryFilesAreNewAndPrivate) {
    TestFolder folder;
    const std::string a = CreateUniqueTempFile(folder.path(), "dump");
    const std::string b = CreateUniqueTempFile(folder.path(), "dump");
    EXPECT_NE(a, b);
    EXPECT_EQ(ExtractFilePath(a), folder.path());
    struct stat info {};
    ASSERT_EQ(stat(a.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_THROW(CreateUniqueTempFile(folder.path("missing"), "dump"), std::exception);
}
