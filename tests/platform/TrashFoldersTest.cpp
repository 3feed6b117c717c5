#include "TrashFolders.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "TestFolder.h"

using namespace twinsweep;

TEST(TrashFolders, TrashNamesAtTheTopOfAMount) {
    for (const char* name : {".Trash", ".Trash-1000", ".Trash-0"})
        EXPECT_TRUE(IsMountTrashName(name)) << name;
    for (const char* name : {".Trash-", ".Trash-10a", ".Trash1000", ".trash", "Trash", "x.Trash"})
        EXPECT_FALSE(IsMountTrashName(name)) << name;
}

TEST(TrashFolders, MountTopsAreTheRootAndFoldersOnAnotherDeviceThanTheirParent) {
    const auto isTop = [](const std::string& path) {
        const int folder = ::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        const bool top = IsMountTop(folder);
        ::close(folder);
        return top;
    };
    TestFolder folder;
    EXPECT_TRUE(isTop("/"));
    EXPECT_TRUE(isTop("/proc"));
    EXPECT_FALSE(isTop(folder.path()));
}
