#include "PacedWork.h"

#include <gtest/gtest.h>
#include <string>

namespace twinsweep {
namespace {

struct RecordingHost : Host {
    std::string* log;
    explicit RecordingHost(std::string* log) : log(log) {}
    void processMessages() override { *log += "m"; }
    void synchronize(const std::function<void()>& fn) override { fn(); }
};

TEST(PacedWork, ShowsProgressBeforeMessagesAndStopsOnceCancelled) {
    std::string log;
    RecordingHost host(&log);
    bool cancelled = false;
    const LongWork every = PacedWork(
        host, [&] { log += "s"; }, [&] { return cancelled; }, std::chrono::milliseconds(0));
    EXPECT_TRUE(every.KeepGoing());
    EXPECT_TRUE(every.KeepGoing());
    EXPECT_EQ(log, "smsm");
    cancelled = true;
    EXPECT_FALSE(every.KeepGoing());

    // Within the interval nothing is processed, but a cancel is still heard.
    log.clear();
    cancelled = false;
    const LongWork paced = PacedWork(
        host, {}, [&] { return cancelled; }, std::chrono::hours(1));
    EXPECT_TRUE(paced.KeepGoing());
    cancelled = true;
    EXPECT_FALSE(paced.KeepGoing());
    EXPECT_EQ(log, "");
}

} // namespace
} // namespace twinsweep
