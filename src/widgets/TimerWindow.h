#pragma once
// The tick source of a TThreadTimer in system mode: a hidden object on the UI thread whose
// timer events call FireTimer.
#include <QObject>
#include <cstdint>

namespace twinsweep {

class TThreadTimer;

class TimerWindow : public QObject {
public:
    explicit TimerWindow(TThreadTimer& owner) : owner_(owner) {}

    // Starts the timer; false when the platform refuses (no event dispatcher on this
    // thread, for one).
    bool Start(std::uint32_t milliseconds);
    void Stop();
    // Whether a timer event is being handled right now; then the window must not be
    // deleted directly.
    bool Firing() const { return firing_; }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    TThreadTimer& owner_;
    int timerId_ = 0;
    bool firing_ = false;
};

} // namespace twinsweep
