#include "ParallelSlices.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace twinsweep {

unsigned SliceThreads() { return std::clamp(std::thread::hardware_concurrency(), 2u, 4u); }

bool ForSlices(size_t count, size_t slice, const std::function<void(size_t, size_t)>& body,
               const std::function<bool()>& keepGoing) {
    // On the calling thread: for a single slice, or when no worker thread could start.
    const auto alone = [&] {
        for (size_t begin = 0; begin < count; begin += slice) {
            if (!keepGoing())
                return false;
            body(begin, std::min(count, begin + slice));
        }
        return count > 0 || keepGoing();
    };
    if (count <= slice)
        return alone();
    std::atomic<size_t> next{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable finished;
    unsigned running = 0;
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
    // As many workers as can start: a thread the system refuses is one fewer.
    std::vector<std::thread> threads;
    for (unsigned i = SliceThreads(); i > 0; --i) {
        {
            const std::lock_guard lock(mutex);
            ++running;
        }
        try {
            threads.emplace_back(worker);
        } catch (const std::system_error&) {
            const std::lock_guard lock(mutex);
            --running;
            break;
        }
    }
    if (threads.empty())
        return alone();
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
