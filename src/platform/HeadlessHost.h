#pragma once
// A Host for tests and benchmarks: a queue of calls that processMessages drains.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "Host.h"

namespace twinsweep {

class HeadlessHost : public Host {
public:
    HeadlessHost(); // the constructing thread is the UI thread
    void processMessages() override;
    void synchronize(const std::function<void()>& fn) override;

    // Blocks until a call is queued or the timeout passes, then processes messages.
    // Returns whether anything ran.
    bool waitAndProcess(std::chrono::milliseconds timeout);
    // Processes messages until done() is true or the timeout passes; returns done().
    bool processUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

private:
    struct Call;
    std::thread::id uiThread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Call*> calls_;
};

} // namespace twinsweep
