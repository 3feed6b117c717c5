#include "ParallelSlices.h"

#include <algorithm>
#include <atomic>
#include <gtest/gtest.h>
#include <vector>

#include "AddressRoom.h"

using namespace twinsweep;

// With no room left for a thread's stack, the slices run on the calling thread, every one
// once; the program does not end.
TEST(ParallelSlices, WithoutThreadsTheCallerDoesTheWork) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than the limit allows";
#else
    std::vector<std::atomic<int>> done(1000);
    // One MiB past the space in use: no 8 MiB thread stack fits.
    EXPECT_EQ(InChildWithAddressRoom(1 << 20,
                                     [&] {
                                         const bool finished = ForSlices(
                                             done.size(), 10,
                                             [&](size_t begin, size_t end) {
                                                 for (size_t i = begin; i < end; ++i)
                                                     ++done[i];
                                             },
                                             [] { return true; });
                                         return finished &&
                                                std::all_of(done.begin(), done.end(),
                                                            [](const auto& n) { return n == 1; });
                                     }),
              0);
#endif
}
