#pragma once
// Long operations process pending window messages between their steps; doing it at every
// step would cost more than the steps. The pacer says when enough time has passed; it reads
// the coarse clock (a few milliseconds' resolution), which costs far less than the precise
// one when asked millions of times.
#include <chrono>
#include <ctime>

namespace twinsweep {

class MessagePacer {
public:
    explicit MessagePacer(std::chrono::milliseconds interval = std::chrono::milliseconds(25))
        : interval_(interval), last_(Now()) {}

    // True at most once per interval.
    bool Due() {
        const auto now = Now();
        if (now - last_ < interval_)
            return false;
        last_ = now;
        return true;
    }

private:
    static std::chrono::nanoseconds Now() {
        timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
        return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
    }

    std::chrono::milliseconds interval_;
    std::chrono::nanoseconds last_;
};

} // namespace twinsweep
