#include "DirectoryListing.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

#include "TestFolder.h"

using namespace twinsweep;

TEST(DirectoryListing, LinksAreNotFollowedDotNamesAreHiddenAndTimesKeepTheirPrecision) {
    TestFolder folder;
    const std::string file = folder.write("file", "12345");
    folder.write(".hidden", "");
    ASSERT_EQ(::symlink(".", folder.path("loop").c_str()), 0);
    const timespec times[2] = {{1600000000, 123456789}, {1500000000, 987654321}};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);

    std::map<std::string, FileStatus> entries;
    DirectoryListing listing(::open(folder.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    while (listing.Next()) {
        EXPECT_TRUE(listing.Status(entries[listing.Name()]));
        EXPECT_FALSE(listing.IsDirectory()) << listing.Name();
    }
    ASSERT_EQ(entries.size(), 3u); // neither "." nor ".."
    EXPECT_TRUE(entries.at(".hidden").hidden);
    EXPECT_EQ(entries.at(".hidden").AttributeWord(), faArchive | faHidden);
    const FileStatus& loop = entries.at("loop");
    EXPECT_EQ(loop.kind, FileKind::SymbolicLink);
    EXPECT_EQ(loop.size, 0);
    const FileStatus& status = entries.at("file");
    EXPECT_EQ(status.size, 5);
    EXPECT_FALSE(status.hidden);
    EXPECT_EQ(status.accessed.tv_nsec, 123456789);
    EXPECT_EQ(status.written.tv_sec, 1500000000);
    EXPECT_EQ(status.written.tv_nsec, 987654321);
    EXPECT_FALSE(DirectoryListing(-1).Next());
}
