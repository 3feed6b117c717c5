#include "ThreadPriority.h"

#include <sys/resource.h>
#include <unistd.h>

namespace twinsweep {

pid_t CurrentThreadId() {
    return ::gettid();
}

void SetThreadPriority(pid_t thread, TThreadPriority priority) {
    static constexpr int kNice[] = {19, 10, 5, 0, -5, -10, -20};
    ::setpriority(PRIO_PROCESS, id_t(thread), kNice[priority]);
}

} // namespace twinsweep
