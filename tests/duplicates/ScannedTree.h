#pragma once
// A tree of small files in a few folders, some of them identical, found and scanned into
// lists by the program's pipeline.
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "DuplicateScan.h"
#include "DuplicateSets.h"
#include "FilesIdentical.h"
#include "FindDuplicates.h"
#include "HeadlessHost.h"
#include "Session.h"
#include "TestFolder.h"

namespace twinsweep {

// The name of the tree's file number f.
using TestNameOf = std::function<std::string(std::mt19937& random, int f)>;

inline std::string PlainName(std::mt19937& random, int f) {
    return "f" + std::string(random() % 4, 'x') + std::to_string(f);
}

struct ScannedTree {
    explicit ScannedTree(std::mt19937& random, const TestNameOf& nameOf = PlainName) {
        const int files = 2 + static_cast<int>(random() % 16);
        for (int f = 0; f < files; ++f) {
            const std::string content(1 + random() % 3, static_cast<char>('a' + random() % 3));
            const std::string folder(1, char('p' + random() % 3));
            paths.push_back(dir.write(folder + "/" + nameOf(random, f), content));
        }
        SearchChoices choices;
        choices.folder = dir.path().substr(0, dir.path().size() - 1);
        HeadlessHost host;
        Session session(host);
        session.SetChoices(choices);
        session.SearchAndWait(host);
        table = session.Table();
        EXPECT_EQ(table.FileCount(), files);
        Scan();
    }
    void Scan() { EXPECT_TRUE(RunDuplicateScan(table, lists, {})); }

    // Which set each listed path is in.
    std::map<std::string, size_t> SetOfPath(const std::vector<DuplicateSet>& sets) const {
        std::map<std::string, size_t> setOf;
        for (size_t s = 0; s < sets.size(); ++s)
            for (const SetMember& m : sets[s].members) {
                EXPECT_TRUE(setOf.emplace((*lists.paths)[m.path], s).second) << "in two sets";
            }
        return setOf;
    }

    // The sets are exactly the classes of two or more identical files among `existing`.
    static void ExpectClassesOfIdenticalFiles(std::map<std::string, size_t> setOf,
                                              const std::vector<std::string>& existing) {
        for (const std::string& a : existing)
            for (const std::string& b : existing) {
                const bool together = setOf.count(a) && setOf.count(b) && setOf[a] == setOf[b];
                EXPECT_EQ(FilesIdentical(a, b), together && a != b) << a << " " << b;
            }
    }
    void ExpectSetsAreTheIdenticalClasses(const std::vector<DuplicateSet>& sets,
                                          const std::vector<std::string>& existing) const {
        ExpectClassesOfIdenticalFiles(SetOfPath(sets), existing);
    }

    TestFolder dir;
    FileTable table;
    ResultLists lists;
    std::vector<std::string> paths;
};

} // namespace twinsweep
