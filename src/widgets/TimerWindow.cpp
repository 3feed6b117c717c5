#include "TimerWindow.h"

#include <QTimerEvent>
#include <algorithm>
#include <climits>

#include "ThreadTimer.h"

namespace twinsweep {

bool TimerWindow::Start(std::uint32_t milliseconds) {
    Stop();
    // Longer intervals are cut to the longest the toolkit takes.
    timerId_ = startTimer(static_cast<int>(std::min<std::uint32_t>(milliseconds, INT_MAX)));
    return timerId_ != 0;
}

void TimerWindow::Stop() {
    if (timerId_ != 0)
        killTimer(timerId_);
    timerId_ = 0;
}

void TimerWindow::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timerId_ || timerId_ == 0) {
        QObject::timerEvent(event);
        return;
    }
    firing_ = true;
    owner_.FireTimer(); // may stop the timer and hand this window to deleteLater
    firing_ = false;
}

} // namespace twinsweep
