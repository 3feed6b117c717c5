#include "SearchThread.h"

#include <optional>

#include "Errors.h"
#include "FileSearch.h"

namespace twinsweep {
namespace {

// Enough to make hand-overs rare on big folders, small enough to keep the UI fed.
constexpr size_t kMaxWaiting = 512;
constexpr auto kMaxDelay = std::chrono::milliseconds(50);

} // namespace

TSearchThread::TSearchThread(TFileSearch& owner, const SearchCriteria& criteria,
                             TThreadPriority priority)
    : owner_(owner), criteria_(criteria), priority_(priority), thread_([this] { Run(); }) {}

TSearchThread::~TSearchThread() {
    if (thread_.joinable())
        thread_.join();
}

void TSearchThread::SetPriority(TThreadPriority priority) {
    priority_ = priority;
    if (const pid_t id = threadId_)
        SetThreadPriority(id, priority);
}

void TSearchThread::Run() {
    threadId_ = CurrentThreadId();
    SetThreadPriority(threadId_, priority_);
    std::optional<std::string> failure; // the owner takes it on the UI thread
    try {
        WalkTargets(criteria_, *this);
    } catch (...) {
        owner_.aborted_ = true;
        failure = CurrentErrorText();
    }
    try {
        HandOver([&] {
            if (failure)
                owner_.Fail(*failure);
            for (const std::string& folder : unlisted_)
                owner_.AddUnlisted(folder);
            try {
                DeliverFound();
            } catch (...) {
                owner_.Fail(CurrentErrorText());
            }
            owner_.SearchThreadTerminated();
        });
    } catch (...) {
        // An error of the OnComplete handler: the run is already over, nothing is left to end.
    }
    finished_ = true;
}

void TSearchThread::HandOver(const std::function<void()>& call) {
    owner_.host().synchronize([&] {
        inHandOver_ = true;
        struct Reset {
            bool& flag;
            ~Reset() { flag = false; }
        } reset{inHandOver_};
        call();
    });
}

bool TSearchThread::DeliverFound() {
    struct Clear {
        std::vector<TSearchRec>& entries;
        ~Clear() { entries.clear(); }
    } clear{waiting_};
    const bool abortedBefore = owner_.aborted_;
    for (TSearchRec& entry : waiting_) {
        owner_.DoFound(waitingFolder_, entry);
        if (!abortedBefore && owner_.aborted_)
            return false;
    }
    return true;
}

void TSearchThread::HandOverFound() {
    HandOver([this] { DeliverFound(); });
}

bool TSearchThread::NewFolder(const std::string& folder) {
    folder_ = folder;
    HandOver([this] { ignore_ = !DeliverFound() || !owner_.DoNewFolder(folder_); });
    return !ignore_;
}

void TSearchThread::Found(const std::string& folder, TSearchRec& entry) {
    // NewFolder hands over whatever waits, so the waiting entries share one folder.
    if (waiting_.empty()) {
        waitingFolder_ = folder;
        firstWaiting_ = std::chrono::steady_clock::now();
    }
    waiting_.push_back(std::move(entry));
    if (waiting_.size() >= kMaxWaiting)
        HandOverFound();
}

bool TSearchThread::StopRequested() {
    if (!waiting_.empty() && std::chrono::steady_clock::now() - firstWaiting_ >= kMaxDelay)
        HandOverFound();
    return terminated_;
}

} // namespace twinsweep
