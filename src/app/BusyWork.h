#pragma once
// A window's long command: while a BusyWork lives, the user's input reaches no window but
// `open` (the command's progress window with its cancel button, or none), and its work
// processes pending messages at a steady pace, showing progress first.
#include <QApplication>
#include <QWidget>

#include "InputBlock.h"
#include "PacedWork.h"

namespace twinsweep {

class BusyWork {
public:
    explicit BusyWork(Host& host, QWidget* open = nullptr, std::function<void()> show = {},
                      std::function<bool()> cancelled = {})
        : block_(open), work_(PacedWork(host, std::move(show), std::move(cancelled))) {}

    LongWork& Work() { return work_; }

private:
    InputBlock block_;
    LongWork work_;
};

// The busy cursor, while it lives.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace twinsweep
