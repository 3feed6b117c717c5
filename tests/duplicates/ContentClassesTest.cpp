#include <gtest/gtest.h>

#include <random>

#include "ContentClasses.h"
#include "FilesIdentical.h"
#include "TestFolder.h"

using namespace twinsweep;

namespace {

// Two paths share a class exactly when FilesIdentical says so.
void ExpectClassesMatchPairwise(const std::vector<std::string>& paths, const std::vector<int>& classes) {
    ASSERT_EQ(classes.size(), paths.size());
    for (size_t i = 0; i < paths.size(); ++i) {
        bool hasPartner = false;
        for (size_t j = 0; j < paths.size(); ++j) {
            if (i == j)
                continue;
            const bool identical = FilesIdentical(paths[i], paths[j]);
            hasPartner |= identical;
            EXPECT_EQ(identical, classes[i] >= 0 && classes[i] == classes[j]) << paths[i] << " " << paths[j];
        }
        EXPECT_EQ(hasPartner, classes[i] >= 0) << paths[i];
    }
}

} // namespace

TEST(ContentClasses, SplitsWhereBytesDifferUnderEveryReadingStrategy) {
    std::mt19937 random(7);
    // Tiny limits force the probing path (more files than may be open) and many rounds.
    const ClassifyLimits limits[] = {{}, {2, 3, 1, 4}, {3, 5, 2, 8}};
    for (int round = 0; round < 30; ++round) {
        TestFolder dir;
        std::vector<std::string> paths;
        std::vector<std::string> contents;
        const int variants = 1 + static_cast<int>(random() % 4);
        const size_t length = random() % 40;
        for (int v = 0; v < variants; ++v) {
            std::string content(length, 'a');
            if (length > 0)
                content[random() % length] = static_cast<char>('b' + v); // differ anywhere, also last
            contents.push_back(content);
        }
        const int files = 2 + static_cast<int>(random() % 9);
        for (int f = 0; f < files; ++f) {
            const std::string name = "f" + std::to_string(f);
            paths.push_back(random() % 10 == 0 ? dir.path("missing" + name)
                                               : dir.write(name, contents[random() % variants]));
        }
        for (const ClassifyLimits& limit : limits) {
            const auto classes = ClassifyByContent(paths, nullptr, limit);
            ASSERT_TRUE(classes);
            ExpectClassesMatchPairwise(paths, *classes);
        }
    }
}

TEST(ContentClasses, StopsWhenToldTo) {
    TestFolder dir;
    const std::vector<std::string> paths{dir.write("a", "x"), dir.write("b", "x")};
    int calls = 0;
    EXPECT_FALSE(ClassifyByContent(paths, [&] { return ++calls < 2; }));
    EXPECT_TRUE(ClassifyByContent(paths, [] { return true; }));
}
