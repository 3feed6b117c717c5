#include "TimerThread.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "AppHooks.h"
#include "ThreadTimer.h"

namespace twinsweep {

struct TTimerThread::State {
    TThreadTimer* owner;
    Host* host;
    std::mutex mutex;
    std::condition_variable changed;
    // Guarded by mutex.
    bool suspended = true;
    bool terminated = false; // also ends the wait at once, without a tick
    bool ticking = false;
    std::uint32_t interval = 1000;
    TThreadPriority priority = tpNormal;
    // UI thread only: a synchronized tick is running FireTimer.
    bool firingOnUiThread = false;
};

TTimerThread::TTimerThread(TThreadTimer& owner, Host& host) : state_(std::make_shared<State>()) {
    state_->owner = &owner;
    state_->host = &host;
    thread_ = std::thread(Run, state_);
}

TTimerThread::~TTimerThread() {
    Terminate();
    if (thread_.joinable())
        thread_.detach();
}

void TTimerThread::Suspend() {
    std::lock_guard lock(state_->mutex);
    state_->suspended = true;
}

void TTimerThread::Resume() {
    {
        std::lock_guard lock(state_->mutex);
        state_->suspended = false;
    }
    state_->changed.notify_all();
}

void TTimerThread::SetInterval(std::uint32_t milliseconds) {
    std::lock_guard lock(state_->mutex);
    state_->interval = milliseconds;
}

void TTimerThread::SetPriority(TThreadPriority priority) {
    std::lock_guard lock(state_->mutex);
    state_->priority = priority;
}

void TTimerThread::Terminate() {
    if (!thread_.joinable())
        return;
    State& s = *state_;
    {
        std::lock_guard lock(s.mutex);
        s.terminated = true;
        s.suspended = false;
    }
    s.changed.notify_all();
    if (InOwnTick())
        return;
    std::unique_lock lock(s.mutex);
    // A tick in progress may be blocked in a hand-over to this very thread.
    while (s.ticking) {
        lock.unlock();
        s.host->processMessages();
        lock.lock();
        s.changed.wait_for(lock, std::chrono::milliseconds(1), [&] { return !s.ticking; });
    }
    lock.unlock();
    thread_.join();
}

bool TTimerThread::InOwnTick() const {
    return std::this_thread::get_id() == thread_.get_id() || state_->firingOnUiThread;
}

void TTimerThread::Run(const std::shared_ptr<State>& state) {
    State& s = *state;
    std::unique_lock lock(s.mutex);
    TThreadPriority applied = tpNormal;
    bool tickDue = false;
    for (;;) {
        s.changed.wait(lock, [&] { return !s.suspended || s.terminated; });
        if (s.terminated)
            break;
        if (s.priority != applied) {
            applied = s.priority;
            SetThreadPriority(CurrentThreadId(), applied);
        }
        if (tickDue) {
            // The wait timed out. A suspension that came during the wait holds the tick
            // back until the thread is resumed; it is never honoured inside the tick.
            tickDue = false;
            if (ApplicationTerminated())
                continue;
            s.ticking = true;
            lock.unlock();
            Tick(s);
            lock.lock();
            s.ticking = false;
            continue;
        }
        const auto timeout = std::chrono::milliseconds(s.interval);
        tickDue = !s.changed.wait_for(lock, timeout, [&] { return s.terminated; });
    }
}

namespace {

// FireTimer handles the handler's errors; this catches those an override lets through.
void Fire(TThreadTimer& owner) {
    try {
        owner.FireTimer();
    } catch (...) {
        HandleCurrentException();
    }
}

} // namespace

void TTimerThread::Tick(State& s) {
    if (!s.owner->SyncEvent()) {
        Fire(*s.owner);
        return;
    }
    try {
        s.host->synchronize([&s] {
            {
                // Terminate may be running this hand-over only to let the thread end.
                std::lock_guard lock(s.mutex);
                if (s.terminated)
                    return;
            }
            s.firingOnUiThread = true;
            Fire(*s.owner);
            s.firingOnUiThread = false;
        });
    } catch (...) {
        HandleCurrentException(); // the host failed to hand the tick over
    }
}

} // namespace twinsweep
