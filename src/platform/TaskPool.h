#pragma once
// A few threads kept for the length of a long job and handed many small tasks at a time:
// blocking calls made side by side keep a slow disk busy with many requests at once.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace twinsweep {

class TaskPool {
public:
    // Up to `threads` threads besides the caller's, started at the first call of ForEach;
    // those the system refuses are done without.
    explicit TaskPool(unsigned threads) : wanted_(threads) {}
    ~TaskPool();
    TaskPool(const TaskPool&) = delete;
    TaskPool& operator=(const TaskPool&) = delete;

    // Runs task(k) for every k in [0, count), on the pool's threads and the caller's, and
    // returns once all have ended. The task must not throw.
    void ForEach(size_t count, const std::function<void(size_t)>& task);

private:
    struct Job {
        size_t count;
        const std::function<void(size_t)>& task;
        std::atomic<size_t> next{0};
    };

    void Start();
    void Serve();
    static void Work(Job& job);

    unsigned wanted_;
    bool started_ = false;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    Job* job_ = nullptr;       // the job under way, if any
    unsigned long posted_ = 0; // jobs handed out so far
    unsigned busy_ = 0;        // threads working on the job
    bool quit_ = false;
};

} // namespace twinsweep
