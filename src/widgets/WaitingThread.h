#pragma once
// TWaitingThread: keeps time for a TWaitingGradient. It hands each tick to the UI thread,
// waits until it has run, then sleeps for the interval.
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

#include "Host.h"

namespace twinsweep {

class TWaitingThread {
public:
    // Starts suspended; `tick` runs on the UI thread through `host`.
    TWaitingThread(Host& host, std::function<void()> tick);
    // Ends the thread; from now on `tick` is never called. A thread that sleeps or is
    // suspended is waited for. One blocked in a hand-over is left to end by itself once
    // the host has served or dropped it: serving it here would run the UI's pending
    // events in the middle of a widget's destruction. The host must outlive the thread.
    ~TWaitingThread();
    TWaitingThread(const TWaitingThread&) = delete;
    TWaitingThread& operator=(const TWaitingThread&) = delete;

    // Read before every pause.
    void SetInterval(std::uint32_t milliseconds);
    // Honoured at the pause after the current tick, never inside a hand-over.
    void Suspend();
    void Resume();

private:
    struct State;
    static void Run(const std::shared_ptr<State>& state);

    std::shared_ptr<State> state_; // shared with the thread, which may outlive us
    std::thread thread_;
};

} // namespace twinsweep
