#pragma once
// Long work on the UI thread: between its steps pending messages are processed, but at
// most once per interval (doing it at every step would cost more than the steps), each
// time after `show` has brought the progress up to date. Once `cancelled` answers true the
// work is told to stop, at its next step.
#include <chrono>
#include <functional>

#include "Host.h"
#include "LongWork.h"

namespace twinsweep {

LongWork PacedWork(Host& host, std::function<void()> show = {},
                   std::function<bool()> cancelled = {},
                   std::chrono::milliseconds interval = std::chrono::milliseconds(25));

} // namespace twinsweep
