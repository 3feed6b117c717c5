#include "DuplicateSets.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sys/stat.h>

#include "DuplicateScan.h"
#include "FilesIdentical.h"
#include "TestFolder.h"

using namespace twinsweep;

namespace {

int64_t SizeOnDisk(std::string_view path) {
    struct stat info {};
    return ::stat(std::string(path).c_str(), &info) == 0 ? info.st_size : -1;
}

} // namespace

TEST(DuplicateSets, AreExactlyTheClassesOfIdenticalFilesOnRandomTrees) {
    std::mt19937 random(11);
    for (int round = 0; round < 25; ++round) {
        TestFolder dir;
        FileTable table;
        table.Reset({"N", "F", "S", "D"});
        std::vector<std::string> paths;
        const int files = 2 + static_cast<int>(random() % 14);
        for (int f = 0; f < files; ++f) {
            const std::string content(1 + random() % 3, static_cast<char>('a' + random() % 3));
            const std::string name = "f" + std::to_string(f);
            paths.push_back(dir.write(name, content));
            table.Append(dir.path(), name, static_cast<int64_t>(content.size()), "d");
        }
        table.SortBySize();
        ResultLists lists;
        ASSERT_TRUE(RunDuplicateScan(table, lists, {}));
        const auto sets = SetsOf(lists, SizeOnDisk);

        std::map<std::string, size_t> setOf;
        int64_t freeable = 0;
        for (size_t s = 0; s < sets.size(); ++s) {
            ASSERT_GE(sets[s].members.size(), 2u);
            for (PathStore::Id id : sets[s].members) {
                const std::string path((*lists.paths)[id]);
                EXPECT_TRUE(setOf.emplace(path, s).second) << path << " is in two sets";
                EXPECT_EQ(SizeOnDisk(path), sets[s].size);
            }
            freeable += static_cast<int64_t>(sets[s].members.size() - 1) * sets[s].size;
        }
        EXPECT_EQ(FreeableBytes(sets), freeable);
        for (const std::string& a : paths)
            for (const std::string& b : paths) {
                if (a == b)
                    continue;
                const bool together = setOf.count(a) && setOf.count(b) && setOf[a] == setOf[b];
                EXPECT_EQ(FilesIdentical(a, b), together) << a << " " << b;
            }
    }
}

TEST(DuplicateSets, OverlappingGroupsMergeAndEmptyGroupsAreLeftOut) {
    ResultLists lists;
    lists.LBB1 = {"/c", "/b", "/x"};
    lists.LBB2 = {"/b", "/a", "/a", "/y"};
    lists.LL1 = {"0", "0", "1", "one"};
    const auto sets = SetsOf(lists, [](std::string_view) { return int64_t{10}; });
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].members.size(), 3u);
    EXPECT_EQ((*lists.paths)[sets[0].members[0]], "/c");
    EXPECT_EQ(FreeableBytes(sets), 20);
}
