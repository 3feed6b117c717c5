#pragma once
// Scheduling priorities of worker threads, applied as the thread's nice value (best effort).
#include <sys/types.h>

namespace twinsweep {

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// The kernel id of the calling thread.
pid_t CurrentThreadId();

// Sets thread's nice value: tpNormal is the process's own, tpIdle and tpTimeCritical the
// extremes. Raising it needs a privilege; when the system refuses, nothing changes.
void SetThreadPriority(pid_t thread, TThreadPriority priority);

} // namespace twinsweep
