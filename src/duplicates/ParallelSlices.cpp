#include "ParallelSlices.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace twinsweep {

unsigned SliceThreads() { return std::clamp(std::thread::hardware_concurrency(), 2u, 4u); }

bool ForSlices(size_t count, size_t slice, const std::function<void(size_t, size_t)>& body,
               const std::function<bool()>& keepGoing) {
    if (count <= slice) {
        if (!keepGoing())
            return false;
        if (count > 0)
            body(0, count);
        return true;
    }
    std::atomic<size_t> next{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable finished;
    unsigned running = SliceThreads();
    std::exception_ptr failure;
    const auto worker = [&] {
        try {
            for (size_t begin; !stop && (begin = next.fetch_add(slice)) < count;)
                body(begin, std::min(count, begin + slice));
        } catch (...) {
            stop = true;
            const std::lock_guard lock(mutex);
            failure = std::current_exception();
        }
        const std::lock_guard lock(mutex);
        if (--running == 0)
            finished.notify_one();
    };
    std::vector<std::thread> threads;
    for (unsigned i = running; i > 0; --i)
        threads.emplace_back(worker);
    bool going = true;
    {
        std::unique_lock lock(mutex);
        while (running > 0) {
            finished.wait_for(lock, std::chrono::milliseconds(5));
            if (going && running > 0) {
                lock.unlock();
                going = keepGoing();
                stop = stop || !going;
                lock.lock();
            }
        }
    }
    for (std::thread& thread : threads)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);
    return going;
}

} // namespace twinsweep
