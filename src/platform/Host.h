#pragma once
// How core code reaches the UI thread without knowing the UI toolkit.
#include <functional>

namespace twinsweep {

class Host {
public:
    virtual ~Host() = default;
    // Runs pending UI work (window messages, queued calls); called on the UI thread.
    virtual void processMessages() = 0;
    // Runs fn on the UI thread and waits until it has run. An exception thrown by fn is
    // rethrown in the caller. Called from a worker thread; on the UI thread it runs fn
    // directly.
    virtual void synchronize(const std::function<void()>& fn) = 0;
};

} // namespace twinsweep
