#include "PacedWork.h"

#include <memory>

#include "MessagePacer.h"

namespace twinsweep {

LongWork PacedWork(Host& host, std::function<void()> show, std::function<bool()> cancelled,
                   std::chrono::milliseconds interval) {
    LongWork work;
    work.keepGoing = [&host, pacer = std::make_shared<MessagePacer>(interval),
                      show = std::move(show), cancelled = std::move(cancelled)] {
        if (pacer->Due()) {
            if (show)
                show();
            host.processMessages();
        }
        return !cancelled || !cancelled();
    };
    return work;
}

} // namespace twinsweep
