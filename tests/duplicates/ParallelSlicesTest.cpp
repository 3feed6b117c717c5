#include "ParallelSlices.h"

#include <atomic>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace twinsweep;

// With no room left for a thread's stack, the slices run on the calling thread, every one
// once; the program does not end.
TEST(ParallelSlices, WithoutThreadsTheCallerDoesTheWork) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than the limit allows";
#else
    std::vector<std::atomic<int>> done(1000);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The address space in use now, and one MiB more: no 8 MiB thread stack fits.
        size_t pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlim_t limit = pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (1 << 20);
        const rlimit space{limit, limit};
        ::setrlimit(RLIMIT_AS, &space);
        bool finished = false;
        try {
            finished = ForSlices(
                done.size(), 10,
                [&](size_t begin, size_t end) {
                    for (size_t i = begin; i < end; ++i)
                        ++done[i];
                },
                [] { return true; });
        } catch (...) {
            ::_exit(2);
        }
        bool once = true;
        for (const auto& count : done)
            once = once && count == 1;
        ::_exit(finished && once ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
#endif
}
