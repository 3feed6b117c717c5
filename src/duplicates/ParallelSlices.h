#pragma once
// Work on many files spread over a few threads: reading files costs system calls more than
// computing, and the kernel serves several readers at once.
#include <cstddef>
#include <functional>

namespace twinsweep {

// Runs body(begin, end) over [0, count) in slices of `slice` items, on worker threads when
// there is more than one slice. The calling thread meanwhile runs keepGoing every few
// milliseconds (and between slices when it does the work itself); once that answers false
// no further slice starts, and the result is false. An exception of the body reaches the
// caller after every thread ended.
bool ForSlices(size_t count, size_t slice, const std::function<void(size_t, size_t)>& body,
               const std::function<bool()>& keepGoing);

// The number of worker threads ForSlices uses.
unsigned SliceThreads();

} // namespace twinsweep
