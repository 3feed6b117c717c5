#pragma once
// Scheduling priorities of worker threads, applied as the thread's nice value (best effort).
#include <sys/types.h>

namespace twinsweep {

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// The kernel id of the calling thread.
pid_t CurrentThreadId();

// Gives thread the nice value of priority. Raising it above normal needs a privilege; when the
// system refuses, the thread keeps its priority.
void SetThreadPriority(pid_t thread, TThreadPriority priority);

} // namespace twinsweep
