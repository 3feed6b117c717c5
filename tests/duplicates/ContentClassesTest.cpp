#include "ContentClasses.h"

#include <gtest/gtest.h>
#include <malloc.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "FilesIdentical.h"
#include "TestFolder.h"

using namespace twinsweep;

// Live heap bytes, so that a test can see how much a classification keeps at once.
namespace {
size_t liveBytes = 0;
size_t peakBytes = 0;
} // namespace

void* operator new(size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    liveBytes += malloc_usable_size(p);
    peakBytes = std::max(peakBytes, liveBytes);
    return p;
}
void operator delete(void* p) noexcept {
    if (p)
        liveBytes -= malloc_usable_size(p);
    std::free(p);
}
void operator delete(void* p, size_t) noexcept { operator delete(p); }
// Every form, so that no block is taken by one allocator and given back to another.
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    try {
        return operator new(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](size_t size) { return operator new(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
    return operator new(size, std::nothrow);
}
void operator delete(void* p, const std::nothrow_t&) noexcept { operator delete(p); }
void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete[](void* p, size_t) noexcept { operator delete(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { operator delete(p); }

namespace {

// Two paths share a class exactly when FilesIdentical says so.
void ExpectClassesMatchPairwise(const std::vector<std::string>& paths,
                                const std::vector<int>& classes) {
    ASSERT_EQ(classes.size(), paths.size());
    for (size_t i = 0; i < paths.size(); ++i) {
        bool hasPartner = false;
        for (size_t j = 0; j < paths.size(); ++j) {
            if (i == j)
                continue;
            const bool identical = FilesIdentical(paths[i], paths[j]);
            hasPartner |= identical;
            EXPECT_EQ(identical, classes[i] >= 0 && classes[i] == classes[j])
                << paths[i] << " " << paths[j];
        }
        EXPECT_EQ(hasPartner, classes[i] >= 0) << paths[i];
    }
}

std::string ExtractName(const std::string& path) { return path.substr(path.rfind('/') + 1); }

} // namespace

TEST(ContentClasses, SplitsWhereBytesDifferUnderEveryReadingStrategy) {
    std::mt19937 random(7);
    // Tiny limits force the probing path (more files than may be open) and many rounds;
    // a large first block keeps whole contents in memory, unless they exceed the budget:
    // then small files whose first bytes agree are read again.
    const ClassifyLimits limits[] = {
        {}, {2, 3, 1, 4}, {3, 5, 2, 8}, {2, 3, 64, 64}, {4, 3, 64, 64, 100}};
    for (int round = 0; round < 30; ++round) {
        TestFolder dir;
        std::vector<std::string> paths;
        std::vector<std::string> contents;
        const int variants = 1 + static_cast<int>(random() % 4);
        const size_t length = random() % 40;
        for (int v = 0; v < variants; ++v) {
            std::string content(length, 'a');
            if (length > 0)
                content[random() % length] =
                    static_cast<char>('b' + v); // differ anywhere, also last
            contents.push_back(content);
        }
        const int files = 2 + static_cast<int>(random() % 9);
        std::vector<size_t> missing;
        for (int f = 0; f < files; ++f) {
            const std::string name = "f" + std::to_string(f);
            const bool gone = random() % 10 == 0;
            if (gone)
                missing.push_back(paths.size());
            paths.push_back(gone ? dir.path("missing" + name)
                                 : dir.write(name, contents[random() % variants]));
        }
        for (const ClassifyLimits& limit : limits) {
            const auto classes = ClassifyByContent(paths, {}, limit);
            ASSERT_TRUE(classes);
            ExpectClassesMatchPairwise(paths, classes->classOf);
            EXPECT_EQ(classes->unreadable, missing);
        }
    }
}

TEST(ContentClasses, StopsWhenToldTo) {
    TestFolder dir;
    const std::vector<std::string> paths{dir.write("a", "x"), dir.write("b", "x")};
    int calls = 0;
    EXPECT_FALSE(ClassifyByContent(paths, {[&] { return ++calls < 2; }}));
    EXPECT_TRUE(ClassifyByContent(paths, {[] { return true; }}));
}

TEST(ContentClasses, ChangedFilesAreNoDuplicatesOfAnything) {
    // One file grows, shrinks, is replaced or rewritten while the set is read; the others
    // stay identical. The changed file may join no class, whichever reading strategy runs.
    std::mt19937 random(31);
    const ClassifyLimits limits[] = {{}, {2, 3, 1, 4}, {2, 3, 64, 64}, {3, 3, 64, 64, 10}};
    for (int round = 0; round < 240; ++round) {
        TestFolder dir;
        const std::string content(1 + random() % 30, 'c');
        std::vector<std::string> paths;
        for (int f = 0; f < 4; ++f)
            paths.push_back(dir.write("f" + std::to_string(f), content));
        const std::string victim = paths[random() % paths.size()];
        const int change = static_cast<int>(random() % 4);
        const int at = static_cast<int>(paths.size() + random() % 6); // after the first look
        int step = 0;
        bool changed = false;
        auto changeFile = [&] {
            if (step++ != at)
                return true;
            changed = true;
            if (change == 0)
                dir.write(ExtractName(victim), content + "+");
            else if (change == 1)
                EXPECT_EQ(::truncate(victim.c_str(), 0), 0);
            else if (change == 2)
                EXPECT_EQ(::rename(dir.write("new", std::string(content.size(), 'n')).c_str(),
                                   victim.c_str()),
                          0);
            else
                dir.write(ExtractName(victim), std::string(content.size(), 'w'));
            return true;
        };
        const auto classes = ClassifyByContent(paths, {changeFile}, limits[round % 4]);
        ASSERT_TRUE(classes);
        EXPECT_EQ(classes->unreadable, std::vector<size_t>{}); // changed, not unreadable
        for (size_t i = 0; i < paths.size(); ++i)
            if (paths[i] == victim && changed)
                EXPECT_EQ(classes->classOf[i], -1) << "change " << change << " at " << at;
            else
                EXPECT_GE(classes->classOf[i], 0);
    }
}

TEST(ContentClasses, MemoryStaysBoundedWhateverTheFileSize) {
    TestFolder dir;
    const std::string big(8 << 20, 'm');
    std::vector<std::string> paths;
    for (int f = 0; f < 3; ++f)
        paths.push_back(dir.write("big" + std::to_string(f), big));
    // More files than may be open: they are probed with growing blocks of up to 256 KiB.
    const ClassifyLimits limits{2, 4096, 4096, 256 << 10};
    const size_t before = liveBytes;
    peakBytes = liveBytes;
    const auto classes = ClassifyByContent(paths, {}, limits);
    ASSERT_TRUE(classes);
    EXPECT_EQ(classes->classOf, (std::vector<int>{0, 0, 0}));
    EXPECT_LT(peakBytes - before, size_t{1} << 20);
}

TEST(ContentClasses, HardLinksAreReportedAsOneFile) {
    TestFolder dir;
    const auto a = dir.write("a", "same"), b = dir.write("b", "same");
    const auto link = dir.path("a-link");
    ASSERT_EQ(::link(a.c_str(), link.c_str()), 0);
    const auto classes = ClassifyByContent({a, link, b}, {});
    ASSERT_TRUE(classes);
    EXPECT_TRUE(classes->file[0].SameFile(classes->file[1]));
    EXPECT_FALSE(classes->file[0].SameFile(classes->file[2]));
    EXPECT_FALSE(FilesIdentical(a, link));
    EXPECT_EQ(CompareFiles(a, link), Comparison::SameFile);
}
