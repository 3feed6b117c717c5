#pragma once
// TTimerThread: the thread behind a TThreadTimer in thread mode. It waits with the
// interval as time-out and ticks only when the wait timed out; termination ends the wait
// at once, without a tick.
#include <cstdint>
#include <memory>
#include <thread>

#include "Host.h"
#include "ThreadPriority.h"

namespace twinsweep {

class TThreadTimer;

class TTimerThread {
public:
    // Starts the thread suspended; it ticks `owner` through `host`.
    TTimerThread(TThreadTimer& owner, Host& host);
    // Terminates the thread and waits for it. Inside its own tick it cannot wait: the
    // thread is left to end by itself as soon as the tick returns; the host must
    // outlive it.
    ~TTimerThread();
    TTimerThread(const TTimerThread&) = delete;
    TTimerThread& operator=(const TTimerThread&) = delete;

    // The thread honours a suspension only at its wait, never inside a tick, so a tick in
    // progress always finishes. Resuming does not restart the wait in progress.
    void Suspend();
    void Resume();
    // Used from the next wait on.
    void SetInterval(std::uint32_t milliseconds);
    // Applied by the thread itself before its next wait.
    void SetPriority(TThreadPriority priority);

    std::thread::id Id() const { return thread_.get_id(); }

    // Asks the thread to end, wakes its wait and waits until it has ended. While it is
    // inside a tick the host's pending UI work is run, so that a tick blocked in a
    // hand-over to the UI thread can finish (it then skips FireTimer). Called from
    // within the thread's own tick it only asks: call it again later to wait.
    void Terminate();
    // Whether the caller is inside this thread's tick: on the timer thread, or on the UI
    // thread while it runs a handed-over FireTimer.
    bool InOwnTick() const;

private:
    struct State;
    static void Run(const std::shared_ptr<State>& state);
    static void Tick(State& state);

    std::shared_ptr<State> state_; // shared with the thread, which may outlive us
    std::thread thread_;
};

} // namespace twinsweep
