#pragma once
// TThreadTimer: a timer component whose ticks come from a thread of its own or from the
// UI toolkit's timer. Properties are set on the UI thread.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "Errors.h"
#include "Host.h"
#include "ThreadPriority.h"

namespace twinsweep {

class TTimerThread;
class TimerWindow;

enum TTimerType { ttThread, ttSystem };

// The toolkit's timer could not be started.
class EOutOfResources : public Exception {
    using Exception::Exception;
};

class TThreadTimer {
public:
    using TNotifyEvent = std::function<void(TThreadTimer* sender)>;

    // Sets the defaults; nothing runs before Loaded or UpdateTimer. In thread mode with
    // SyncEvent the ticks reach the UI thread through `host`.
    explicit TThreadTimer(Host& host);
    // Stops the tick source. Destroying the timer from inside its own tick handler
    // leaves the thread to end by itself; the host must outlive it.
    virtual ~TThreadTimer();
    TThreadTimer(const TThreadTimer&) = delete;
    TThreadTimer& operator=(const TThreadTimer&) = delete;

    bool Enabled() const { return enabled_; }
    // Runs UpdateTimer only when the timer becomes enabled; disabling just silences the
    // ticks, the tick source keeps running.
    void SetEnabled(bool value);

    std::uint32_t Interval() const { return interval_; }
    // Milliseconds between ticks, 0 for none. Runs UpdateTimer when enabled.
    void SetInterval(std::uint32_t value);

    // Thread mode: whether OnTimer runs on the UI thread (true) or the timer thread.
    bool SyncEvent() const { return syncEvent_; }
    void SetSyncEvent(bool value) { syncEvent_ = value; }

    TTimerType TimerType() const { return timerType_; }
    // Replaces the tick source: StopTimer, then UpdateTimer when enabled.
    void SetTimerType(TTimerType value);

    TThreadPriority Priority() const { return priority_; }
    // Runs UpdateTimer in thread mode when enabled.
    void SetPriority(TThreadPriority value);

    TNotifyEvent OnTimer() const;
    // A plain store: a paused timer starts only at the next UpdateTimer.
    void SetOnTimer(TNotifyEvent handler);

    // Runs once after the stored settings have been applied: UpdateTimer.
    void Loaded();
    // Creates the tick source if needed and starts or pauses it to match the settings.
    // Throws EOutOfResources when the system timer cannot start.
    void UpdateTimer();
    // Destroys the tick source. A handler may call it (directly or through a setter):
    // the thread then ends as soon as the tick returns.
    void StopTimer();
    // One tick: calls OnTimer when enabled and assigned. The handler's errors go to the
    // application's exception handler and no further. A class that overrides it stops
    // the timer in its own destructor, before the override goes away.
    virtual void FireTimer();

    bool EngineCreated() const { return engineCreated_; }
    // The timer thread, or a default id when there is none.
    std::thread::id ThreadId() const;

private:
    Host& host_;
    std::atomic<bool> enabled_{true};
    std::atomic<bool> syncEvent_{true};
    std::uint32_t interval_ = 1000;
    TTimerType timerType_ = ttThread;
    TThreadPriority priority_ = tpNormal;
    mutable std::mutex handlerMutex_; // OnTimer is read on the timer thread
    TNotifyEvent onTimer_;

    bool engineCreated_ = false;
    std::unique_ptr<TTimerThread> thread_;
    // A thread stopped from inside its own tick, joined at the next stop.
    std::unique_ptr<TTimerThread> stoppedThread_;
    std::unique_ptr<TimerWindow> window_;
};

} // namespace twinsweep
