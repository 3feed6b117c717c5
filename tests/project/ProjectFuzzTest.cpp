// Damaged and random project files: every one loads or raises one of the program's errors,
// without a crash, a hang or memory beyond a bound. TWINSWEEP_FUZZ_SECONDS runs it longer.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

#include "ProjectTestData.h"

namespace twinsweep {
namespace {

std::string Mutated(std::mt19937& random, std::string text) {
    static const std::string interesting[] = {
        "0",  "-1", "2147483647", "99999999999", "",  ",",  "cw",   "cw 1,",
        "4,", "\b", "\r",         "\n",          "x", "00", "1,1,", " 3"};
    switch (random() % 4) {
    case 0:
        return interesting[random() % std::size(interesting)];
    case 1:
        if (!text.empty())
            text[random() % text.size()] = static_cast<char>(random());
        return text;
    case 2:
        return text + interesting[random() % std::size(interesting)];
    default:
        return text.substr(0, text.empty() ? 0 : random() % text.size());
    }
}

TEST(ProjectFuzz, DamagedFilesLoadOrFailCleanly) {
    const char* seconds = std::getenv("TWINSWEEP_FUZZ_SECONDS");
    const auto budget = std::chrono::duration<double>(seconds ? std::atof(seconds) : 1.0);
    const auto start = std::chrono::steady_clock::now();
    std::mt19937 random(11);
    int loaded = 0, refused = 0;
    while (std::chrono::steady_clock::now() - start < budget) {
        TextLines lines = LinesOf(RandomProject(random));
        for (int n = 1 + static_cast<int>(random() % 4); n > 0; --n) {
            const size_t at = random() % (lines.size() + 1);
            if (random() % 3 == 0)
                lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Mutated(random, ""));
            else if (at < lines.size() && random() % 2)
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
            else if (at < lines.size())
                lines[at] = Mutated(random, lines[at]);
        }
        try {
            const Project p = ParseProject(lines, "f", {}, {"N", "F", "S", "D"});
            ASSERT_LE(static_cast<size_t>(p.table.RowCount()), lines.size() + 2);
            for (const int group : p.lists.LL1)
                ASSERT_TRUE(group >= 0 && static_cast<size_t>(group) < p.lists.LBB1.size());
            ++loaded;
        } catch (const Exception&) {
            ++refused;
        }
    }
    std::printf("%d damaged projects: %d loaded, %d refused\n", loaded + refused, loaded, refused);
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
}

} // namespace
} // namespace twinsweep
