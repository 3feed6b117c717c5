#include "HeadlessHost.h"

#include <exception>

namespace twinsweep {

struct HeadlessHost::Call {
    const std::function<void()>* fn;
    bool done = false;
    std::exception_ptr error;
};

HeadlessHost::HeadlessHost() : uiThread_(std::this_thread::get_id()) {}

void HeadlessHost::processMessages() {
    std::unique_lock lock(mutex_);
    while (!calls_.empty()) {
        Call* call = calls_.front();
        calls_.pop_front();
        lock.unlock();
        try {
            (*call->fn)();
        } catch (...) {
            call->error = std::current_exception();
        }
        lock.lock();
        call->done = true;
        changed_.notify_all();
    }
}

void HeadlessHost::synchronize(const std::function<void()>& fn) {
    if (std::this_thread::get_id() == uiThread_) {
        fn();
        return;
    }
    Call call{&fn, false, nullptr};
    std::unique_lock lock(mutex_);
    calls_.push_back(&call);
    changed_.notify_all();
    changed_.wait(lock, [&] { return call.done; });
    if (call.error)
        std::rethrow_exception(call.error);
}

bool HeadlessHost::waitAndProcess(std::chrono::milliseconds timeout) {
    {
        std::unique_lock lock(mutex_);
        if (!changed_.wait_for(lock, timeout, [&] { return !calls_.empty(); }))
            return false;
    }
    processMessages();
    return true;
}

bool HeadlessHost::processUntil(const std::function<bool()>& done,
                                std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    processMessages();
    while (!done()) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            return false;
        waitAndProcess(std::min<std::chrono::milliseconds>(
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now),
            std::chrono::milliseconds(10)));
    }
    return true;
}

} // namespace twinsweep
