#include "ThreadTimer.h"

#include "AppHooks.h"
#include "TimerThread.h"
#include "TimerWindow.h"

namespace twinsweep {

TThreadTimer::TThreadTimer(Host& host) : host_(host) {}

TThreadTimer::~TThreadTimer() {
    enabled_ = false;
    SetOnTimer(nullptr);
    StopTimer();
}

void TThreadTimer::SetEnabled(bool value) {
    if (value == enabled_)
        return;
    enabled_ = value;
    if (value)
        UpdateTimer();
}

void TThreadTimer::SetInterval(std::uint32_t value) {
    if (value == interval_)
        return;
    interval_ = value;
    if (enabled_)
        UpdateTimer();
}

void TThreadTimer::SetTimerType(TTimerType value) {
    if (value == timerType_)
        return;
    StopTimer();
    timerType_ = value;
    if (enabled_)
        UpdateTimer();
}

void TThreadTimer::SetPriority(TThreadPriority value) {
    if (value == priority_)
        return;
    priority_ = value;
    if (timerType_ == ttThread && enabled_)
        UpdateTimer();
}

TThreadTimer::TNotifyEvent TThreadTimer::OnTimer() const {
    std::lock_guard lock(handlerMutex_);
    return onTimer_;
}

void TThreadTimer::SetOnTimer(TNotifyEvent handler) {
    std::lock_guard lock(handlerMutex_);
    onTimer_ = std::move(handler);
}

void TThreadTimer::Loaded() { UpdateTimer(); }

void TThreadTimer::UpdateTimer() {
    const bool run = interval_ != 0 && enabled_ && OnTimer();
    if (timerType_ == ttSystem) {
        if (!engineCreated_)
            window_ = std::make_unique<TimerWindow>(*this);
        engineCreated_ = true;
        window_->Stop();
        if (run && !window_->Start(interval_))
            throw EOutOfResources("No timer resources left.");
        return;
    }
    if (!engineCreated_)
        thread_ = std::make_unique<TTimerThread>(*this, host_);
    engineCreated_ = true;
    thread_->Suspend();
    thread_->SetInterval(interval_);
    if (run) {
        thread_->SetPriority(priority_);
        thread_->Resume();
    }
}

void TThreadTimer::StopTimer() {
    if (!engineCreated_)
        return;
    if (window_) {
        window_->Stop();
        // Inside its own timer event the window is still on the call stack.
        if (window_->Firing())
            window_.release()->deleteLater();
        window_.reset();
    }
    if (thread_) {
        thread_->Terminate(); // returns at once inside the thread's own tick
        stoppedThread_ = std::move(thread_);
    }
    engineCreated_ = false;
}

void TThreadTimer::FireTimer() {
    if (!enabled_)
        return;
    // A copy: the handler may replace OnTimer or destroy this timer.
    const TNotifyEvent handler = OnTimer();
    if (!handler)
        return;
    try {
        handler(this);
    } catch (...) {
        HandleCurrentException();
    }
}

std::thread::id TThreadTimer::ThreadId() const {
    return thread_ ? thread_->Id() : std::thread::id();
}

} // namespace twinsweep
