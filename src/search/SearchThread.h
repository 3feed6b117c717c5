#pragma once
// TSearchThread: the worker of a threaded search. It walks the targets and hands every
// event to the UI thread. Found entries wait in a short queue that goes over in one
// hand-over, so the walk does not stop for each entry; the queue goes over before every
// new folder, when it is full, when its oldest entry has waited long enough, and at the end.
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

#include "SearchWalk.h"
#include "ThreadPriority.h"

namespace twinsweep {

class TFileSearch;

class TSearchThread : private SearchSink {
public:
    // Starts at once, walking criteria for owner.
    TSearchThread(TFileSearch& owner, const SearchCriteria& criteria, TThreadPriority priority);
    // Waits until the thread has returned.
    ~TSearchThread() override;
    TSearchThread(const TSearchThread&) = delete;
    TSearchThread& operator=(const TSearchThread&) = delete;

    // Asks the walk to stop at its next check.
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    void SetPriority(TThreadPriority priority);
    // True once the termination step has been handed over and returned.
    bool Finished() const { return finished_; }
    // True while one of this worker's calls runs on the UI thread.
    bool InHandOver() const { return inHandOver_; }

private:
    void Run();
    bool NewFolder(const std::string& folder) override;
    void Found(const std::string& folder, TSearchRec& entry) override;
    void Unlisted(const std::string& folder) override { unlisted_.push_back(folder); }
    bool StopRequested() override;

    void HandOver(const std::function<void()>& call);
    void HandOverFound();
    // On the UI thread: fires OnFound for the waiting entries in order. False when a handler
    // aborted the search, which ends delivery after that handler's entry.
    bool DeliverFound();

    TFileSearch& owner_;
    const SearchCriteria& criteria_;
    std::string folder_;              // the folder handed over for OnNewFolder
    bool ignore_ = false;             // its answer
    std::string waitingFolder_;       // the folder of the waiting entries
    std::vector<TSearchRec> waiting_; // found, not yet handed over
    std::chrono::steady_clock::time_point firstWaiting_;
    std::vector<std::string> unlisted_; // handed over at the end
    bool inHandOver_ = false;           // written and read on the UI thread only
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    std::atomic<TThreadPriority> priority_;
    std::atomic<pid_t> threadId_{0};
    std::thread thread_; // last: starts once everything above exists
};

} // namespace twinsweep
