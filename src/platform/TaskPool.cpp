#include "TaskPool.h"

#include <system_error>

namespace twinsweep {

TaskPool::~TaskPool() {
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

void TaskPool::Start() {
    started_ = true;
    for (unsigned i = 0; i < wanted_; ++i) {
        try {
            threads_.emplace_back([this] { Serve(); });
        } catch (const std::system_error&) {
            break;
        }
    }
}

void TaskPool::ForEach(size_t count, const std::function<void(size_t)>& task) {
    if (!started_ && count > 1)
        Start();
    Job job{count, task};
    if (threads_.empty() || count < 2) {
        Work(job);
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        job_ = &job;
        ++posted_;
    }
    wake_.notify_all();
    Work(job);
    // The job lives on this stack: no thread may still hold it once this returns.
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return busy_ == 0; });
    job_ = nullptr;
}

void TaskPool::Serve() {
    unsigned long seen = 0;
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return quit_ || posted_ != seen; });
        if (quit_)
            return;
        seen = posted_;
        if (!job_)
            continue; // it ended before this thread woke
        Job* job = job_;
        ++busy_;
        lock.unlock();
        Work(*job);
        lock.lock();
        if (--busy_ == 0)
            idle_.notify_all();
    }
}

void TaskPool::Work(Job& job) {
    for (size_t k; (k = job.next.fetch_add(1, std::memory_order_relaxed)) < job.count;)
        job.task(k);
}

} // namespace twinsweep
