#include "ThreadTimer.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "AppHooks.h"
#include "HeadlessHost.h"

using namespace twinsweep;
using namespace std::chrono_literals;

namespace {

// Counts ticks, which may run on any thread, and keeps the thread of the last one.
struct TickLog {
    std::atomic<int> count{0};
    std::atomic<std::thread::id> thread;
    TThreadTimer::TNotifyEvent Handler() {
        return [this](TThreadTimer*) {
            thread = std::this_thread::get_id();
            ++count;
        };
    }
};

void Start(TThreadTimer& timer, TThreadTimer::TNotifyEvent handler, std::uint32_t interval = 5) {
    timer.SetInterval(interval);
    timer.SetOnTimer(std::move(handler));
    timer.Loaded();
}

// Polls without running any UI work.
bool WaitUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!done() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    return done();
}

// A host that tells when a hand-over has been asked for.
struct WatchedHost : Host {
    void processMessages() override { inner.processMessages(); }
    void synchronize(const std::function<void()>& fn) override {
        ++requests;
        inner.synchronize(fn);
    }
    HeadlessHost inner;
    std::atomic<int> requests{0};
};

} // namespace

TEST(ThreadTimer, PausedThreadStartsOnlyThroughUpdateTimer) {
    HeadlessHost host;
    TickLog log;
    TThreadTimer zero(host);
    Start(zero, log.Handler(), 0);
    TThreadTimer timer(host);
    EXPECT_FALSE(timer.EngineCreated());
    timer.SetInterval(5);
    timer.Loaded(); // no handler
    EXPECT_NE(timer.ThreadId(), std::thread::id());
    EXPECT_FALSE(host.waitAndProcess(150ms)); // no thread asks for a hand-over
    EXPECT_EQ(log.count, 0);

    // Plain stores and unchanged values do not start it; a setter that updates does.
    timer.SetOnTimer(log.Handler());
    timer.SetEnabled(true);
    EXPECT_FALSE(host.waitAndProcess(100ms));
    timer.SetPriority(tpHigher);
    EXPECT_TRUE(host.processUntil([&] { return log.count > 0; }, 5s));
}

TEST(ThreadTimer, HandlerThatDisablesTheTimerRunsOnceWhileTheThreadKeepsWaking) {
    HeadlessHost host;
    int calls = 0;
    TThreadTimer timer(host);
    Start(timer, [&](TThreadTimer* sender) {
        sender->SetEnabled(false);
        ++calls;
    });
    ASSERT_TRUE(host.processUntil([&] { return calls == 1; }, 5s));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(host.waitAndProcess(5s)); // hand-overs that do nothing
    EXPECT_EQ(calls, 1);

    timer.SetEnabled(true);
    EXPECT_TRUE(host.processUntil([&] { return calls == 2; }, 5s));
}

TEST(ThreadTimer, IntervalChangeTakesEffectFromTheNextWait) {
    HeadlessHost host;
    TickLog log;
    TThreadTimer timer(host);
    Start(timer, log.Handler(), 10);
    ASSERT_TRUE(host.processUntil([&] { return log.count >= 2; }, 5s));

    timer.SetInterval(3'600'000);
    const int before = log.count;
    host.processUntil([] { return false; }, 300ms);
    EXPECT_LE(log.count, before + 1); // at most the wait that was in progress
}

TEST(ThreadTimer, SyncEventChoosesTheThreadThatRunsTheHandler) {
    HeadlessHost host;
    TickLog log;
    TThreadTimer timer(host);
    Start(timer, log.Handler());
    ASSERT_TRUE(host.processUntil([&] { return log.count >= 2; }, 5s));
    EXPECT_EQ(log.thread.load(), std::this_thread::get_id());

    timer.SetSyncEvent(false);
    const auto timerThread = timer.ThreadId();
    ASSERT_TRUE(host.processUntil([&] { return log.thread.load() == timerThread; }, 5s));
    const int before = log.count;
    EXPECT_TRUE(WaitUntil([&] { return log.count >= before + 3; })); // no UI work needed
    EXPECT_EQ(log.thread.load(), timerThread);
}

TEST(ThreadTimer, HandlerErrorsReachTheApplicationAndTickingGoesOn) {
    std::vector<std::string> errors; // filled on the UI thread
    SetApplicationExceptionHandler([&](const std::exception& e) { errors.push_back(e.what()); });
    struct RestoreDefault {
        ~RestoreDefault() { SetApplicationExceptionHandler(nullptr); }
    } restore;
    HeadlessHost host;
    int calls = 0;
    TThreadTimer timer(host);
    Start(timer, [&](TThreadTimer*) {
        if (++calls % 2 == 1)
            throw std::runtime_error("boom");
        throw 42;
    });
    ASSERT_TRUE(host.processUntil([&] { return errors.size() >= 4; }, 5s));
    EXPECT_EQ(errors[0], "boom");
    EXPECT_EQ(errors[1], "Unknown exception");
}

TEST(ThreadTimer, SystemTimerReplacesTheThreadAndFailsWithoutAnEventLoop) {
    HeadlessHost host;
    TickLog log;
    TThreadTimer timer(host);
    Start(timer, log.Handler());
    ASSERT_TRUE(host.processUntil([&] { return log.count >= 1; }, 5s));

    try {
        timer.SetTimerType(ttSystem);
        ADD_FAILURE() << "expected EOutOfResources";
    } catch (const EOutOfResources& e) {
        EXPECT_STREQ(e.what(), "No timer resources left.");
    }
    EXPECT_TRUE(timer.EngineCreated());
    EXPECT_EQ(timer.ThreadId(), std::thread::id());
    EXPECT_FALSE(host.waitAndProcess(100ms)); // the thread is gone
}

TEST(ThreadTimer, DestructionIsQuickWhateverTheThreadIsDoing) {
    const auto destroy = [](std::unique_ptr<TThreadTimer>& timer) {
        const auto start = std::chrono::steady_clock::now();
        timer.reset();
        return std::chrono::steady_clock::now() - start;
    };
    {
        SCOPED_TRACE("in a long wait");
        HeadlessHost host;
        auto timer = std::make_unique<TThreadTimer>(host);
        Start(
            *timer, [](TThreadTimer*) {}, 60'000);
        EXPECT_LT(destroy(timer), 5s);
    }
    {
        SCOPED_TRACE("with a hand-over pending");
        WatchedHost host;
        TickLog log;
        auto timer = std::make_unique<TThreadTimer>(host);
        Start(*timer, log.Handler(), 1);
        ASSERT_TRUE(WaitUntil([&] { return host.requests > 0; }));
        EXPECT_LT(destroy(timer), 5s);
        EXPECT_EQ(log.count, 0); // the pending tick was dropped
    }
    {
        SCOPED_TRACE("in a handler on the timer thread that needs the UI thread");
        HeadlessHost host;
        std::atomic<int> started{0}, finished{0};
        auto timer = std::make_unique<TThreadTimer>(host);
        timer->SetSyncEvent(false);
        Start(
            *timer,
            [&](TThreadTimer*) {
                ++started;
                std::this_thread::sleep_for(10ms);
                host.synchronize([] {});
                ++finished;
            },
            1);
        ASSERT_TRUE(WaitUntil([&] { return started > 0; }));
        EXPECT_LT(destroy(timer), 5s);
        EXPECT_EQ(started.load(), finished.load()); // the running handler was waited for
    }
}
