#include "WaitingThread.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "AppHooks.h"

namespace twinsweep {

struct TWaitingThread::State {
    Host* host;
    std::function<void()> tick;
    std::atomic<std::uint32_t> interval{50};
    std::mutex mutex;
    std::condition_variable changed;
    // Guarded by mutex; terminated is also read by the handed-over call on the UI thread.
    bool suspended = true;
    bool ticking = false;
    std::atomic<bool> terminated{false};
};

TWaitingThread::TWaitingThread(Host& host, std::function<void()> tick)
    : state_(std::make_shared<State>()) {
    state_->host = &host;
    state_->tick = std::move(tick);
    thread_ = std::thread(Run, state_);
}

TWaitingThread::~TWaitingThread() {
    bool inHandOver;
    {
        std::lock_guard lock(state_->mutex);
        state_->terminated = true;
        inHandOver = state_->ticking;
    }
    state_->changed.notify_all();
    // Outside a hand-over the thread sees the flag before it could start another.
    if (inHandOver)
        thread_.detach();
    else
        thread_.join();
}

void TWaitingThread::SetInterval(std::uint32_t milliseconds) { state_->interval = milliseconds; }

void TWaitingThread::Suspend() {
    std::lock_guard lock(state_->mutex);
    state_->suspended = true;
}

void TWaitingThread::Resume() {
    {
        std::lock_guard lock(state_->mutex);
        state_->suspended = false;
    }
    state_->changed.notify_all();
}

void TWaitingThread::Run(const std::shared_ptr<State>& state) {
    State& s = *state;
    std::unique_lock lock(s.mutex);
    for (;;) {
        s.changed.wait(lock, [&] { return !s.suspended || s.terminated; });
        if (s.terminated)
            return;
        if (!ApplicationTerminated()) {
            s.ticking = true;
            lock.unlock();
            try {
                // Runs on the UI thread, where the owner sets terminated before it goes.
                s.host->synchronize([&s] {
                    if (!s.terminated)
                        s.tick();
                });
            } catch (...) {
                // a failed hand-over only loses this tick
            }
            lock.lock();
            s.ticking = false;
        }
        const auto pause = std::chrono::milliseconds(s.interval.load());
        s.changed.wait_for(lock, pause, [&] { return s.terminated.load(); });
    }
}

} // namespace twinsweep
