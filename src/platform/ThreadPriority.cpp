#include "ThreadPriority.h"

#include <algorithm>
#include <cerrno>
#include <sys/resource.h>
#include <unistd.h>

namespace twinsweep {

pid_t CurrentThreadId() { return ::gettid(); }

void SetThreadPriority(pid_t thread, TThreadPriority priority) {
    // Steps away from the process's own nice value; tpNormal is the process's.
    static constexpr int kStep[] = {39, 10, 5, 0, -5, -10, -39};
    errno = 0;
    int base = ::getpriority(PRIO_PROCESS, id_t(::getpid()));
    if (errno != 0)
        base = 0;
    ::setpriority(PRIO_PROCESS, id_t(thread), std::clamp(base + kStep[priority], -20, 19));
}

} // namespace twinsweep
