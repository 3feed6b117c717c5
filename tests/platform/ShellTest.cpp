#include "Shell.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

#include "TestFolder.h"
#include "TextLines.h"

using namespace twinsweep;
namespace fs = std::filesystem;

// The trash lives under XDG_DATA_HOME; GLib reads it once, so it is set before any call.
class Trash : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new TestFolder;
        setenv("XDG_DATA_HOME", folder_->path("data").c_str(), 1);
    }
    static void TearDownTestSuite() { delete folder_; }
    static TestFolder* folder_;
};
TestFolder* Trash::folder_ = nullptr;

TEST_F(Trash, MovesAFileToTheTrashFromWhereItCanBeRestored) {
    const std::string original = folder_->write("docs/report 1.txt", "content");
    ASSERT_TRUE(MoveToTrash(original));
    EXPECT_FALSE(fs::exists(original));

    const fs::path trash = folder_->path("data/Trash");
    const fs::path kept = trash / "files" / "report 1.txt";
    ASSERT_TRUE(fs::exists(kept));
    const TextLines info = ReadTextLines((trash / "info" / "report 1.txt.trashinfo").string());
    ASSERT_GE(info.size(), 2u);
    EXPECT_EQ(info[0], "[Trash Info]");
    // The original path, URI-escaped.
    std::string expected = "Path=" + original;
    expected.replace(expected.find(' '), 1, "%20");
    EXPECT_EQ(info[1], expected);

    fs::rename(kept, original);
    EXPECT_EQ(folder_->read("docs/report 1.txt"), "content");
}

TEST_F(Trash, FailsForAMissingFile) {
    std::string reason;
    EXPECT_FALSE(MoveToTrash(folder_->path("docs/never-there.txt"), &reason));
    EXPECT_FALSE(reason.empty()); // the trash's own words, to show the user
}

TEST(ShellOpen, SaysWhenNothingOpensATarget) {
    std::string error;
    EXPECT_FALSE(ShellOpen("/no/such/file.twinsweep-test", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(ShellOpen("no-such-scheme-for-twinsweep://x", &error));
}
