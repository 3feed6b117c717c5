#pragma once
// Long operations process pending window messages between their steps; doing it at every
// step would cost more than the steps. The pacer says when enough time has passed.
#include <chrono>

namespace twinsweep {

class MessagePacer {
public:
    explicit MessagePacer(std::chrono::milliseconds interval = std::chrono::milliseconds(25))
        : interval_(interval), last_(std::chrono::steady_clock::now()) {}

    // True at most once per interval.
    bool Due() {
        const auto now = std::chrono::steady_clock::now();
        if (now - last_ < interval_)
            return false;
        last_ = now;
        return true;
    }

private:
    std::chrono::milliseconds interval_;
    std::chrono::steady_clock::time_point last_;
};

} // namespace twinsweep
