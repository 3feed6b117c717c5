#include "HeadlessHost.h"

#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace twinsweep;
using namespace std::chrono_literals;

TEST(HeadlessHost, WorkerWaitsUntilTheUiThreadHasRunTheCall) {
    HeadlessHost host;
    const auto uiThread = std::this_thread::get_id();
    std::atomic<bool> returned{false};
    std::thread::id ranOn;
    std::thread worker([&] {
        host.synchronize([&] { ranOn = std::this_thread::get_id(); });
        returned = true;
    });
    std::this_thread::sleep_for(20ms);
    EXPECT_FALSE(returned); // nothing runs before the UI thread processes messages
    EXPECT_TRUE(host.processUntil([&] { return returned.load(); }, 5s));
    worker.join();
    EXPECT_EQ(ranOn, uiThread);
}

TEST(HeadlessHost, CallsRunInTheOrderTheyWereMade) {
    HeadlessHost host;
    std::vector<int> order;
    std::thread worker([&] {
        for (int i = 0; i < 100; ++i)
            host.synchronize([&, i] { order.push_back(i); });
    });
    EXPECT_TRUE(host.processUntil([&] { return order.size() == 100; }, 5s));
    worker.join();
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(order[i], i);
}

TEST(HeadlessHost, ErrorsReachTheWorkerAndUiThreadCallsRunDirectly) {
    HeadlessHost host;
    std::atomic<bool> caught{false};
    std::thread worker([&] {
        try {
            host.synchronize([] { throw std::runtime_error("boom"); });
        } catch (const std::runtime_error& e) {
            caught = std::string(e.what()) == "boom";
        }
    });
    EXPECT_TRUE(host.processUntil([&] { return caught.load(); }, 5s));
    worker.join();

    bool ran = false;
    host.synchronize([&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(host.waitAndProcess(1ms));
}
