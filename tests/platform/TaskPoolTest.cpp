#include "TaskPool.h"

#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <vector>

using namespace twinsweep;

// Every task runs once, and ForEach returns only after the last one ended: each job's
// counters live on the stack of the call that made it, as a caller's data does.
TEST(TaskPool, EveryTaskRunsOnceAndEndsBeforeTheCallReturns) {
    TaskPool pool(7);
    for (size_t count : {0, 1, 2, 3, 50, 1000, 1, 0, 257}) {
        for (int round = 0; round < 20; ++round) {
            auto runs = std::make_unique<std::atomic<int>[]>(count + 1);
            pool.ForEach(count, [&](size_t k) {
                if (k % 64 == 0)
                    std::this_thread::yield(); // let late threads join in
                runs[k].fetch_add(1);
            });
            for (size_t k = 0; k < count; ++k)
                ASSERT_EQ(runs[k].load(), 1) << count << " tasks, task " << k;
        }
    }
}

TEST(TaskPool, WorksWithoutThreads) {
    TaskPool pool(0);
    std::vector<int> runs(10);
    pool.ForEach(runs.size(), [&](size_t k) { ++runs[k]; });
    EXPECT_EQ(runs, std::vector<int>(10, 1));
}
