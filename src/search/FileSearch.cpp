#include "FileSearch.h"

#include <chrono>
#include <thread>

#include "Paths.h"
#include "SearchCriteria.h"
#include "SearchThread.h"
#include "SearchWalk.h"
#include "TargetList.h"

namespace twinsweep {
namespace {

// Events name a folder without its trailing separator, except the root.
std::string EventFolder(const std::string& folder) {
    if (folder.size() > 1 && folder.back() == PathDelim)
        return folder.substr(0, folder.size() - 1);
    return folder;
}

// An inline search reports straight to the component and stops once it is aborted.
class InlineSink : public SearchSink {
public:
    using NewFolderFn = std::function<bool(const std::string&)>;
    using FoundFn = std::function<void(const std::string&, TSearchRec&)>;
    using UnlistedFn = std::function<void(const std::string&)>;
    InlineSink(NewFolderFn newFolder, FoundFn found, UnlistedFn unlisted,
               const std::atomic<bool>& aborted)
        : newFolder_(std::move(newFolder)), found_(std::move(found)),
          unlisted_(std::move(unlisted)), aborted_(aborted) {}

    bool NewFolder(const std::string& folder) override { return newFolder_(folder); }
    void Found(const std::string& folder, TSearchRec& entry) override { found_(folder, entry); }
    void Unlisted(const std::string& folder) override { unlisted_(folder); }
    bool StopRequested() override { return aborted_; }

private:
    NewFolderFn newFolder_;
    FoundFn found_;
    UnlistedFn unlisted_;
    const std::atomic<bool>& aborted_;
};

} // namespace

TFileSearch::TFileSearch(Host& host) : host_(host) {}

TFileSearch::~TFileSearch() {
    destroying_ = true;
    if (worker_) {
        aborted_ = true;
        worker_->Terminate();
        WaitForWorker();
    }
    finished_.clear();
}

void TFileSearch::SetFilename(const std::string& value) {
    if (value == filename_)
        return;
    if (value.find(PathDelim) != std::string::npos)
        throw EFileSearchError(value + "\n\rInvalid filename specified");
    filename_ = value;
}

void TFileSearch::SetLocation(const std::string& value) {
    if (value == location_)
        return;
    if (value.find_first_of("*?") != std::string::npos)
        throw EFileSearchError(value + "\n\rlocation cannot to be contained wildcards");
    location_ = value;
}

void TFileSearch::SetThreadPriority(TThreadPriority value) {
    threadPriority_ = value;
    if (worker_)
        worker_->SetPriority(value);
}

void TFileSearch::Execute() {
    if (busy_)
        return;
    busy_ = true;
    try {
        auto criteria = std::make_unique<SearchCriteria>();
        criteria->subfolders = subfolders_;
        criteria->attributes = attributes_;
        criteria->exactAttribute = exactAttribute_;
        criteria->includeHidden = includeHidden_;
        criteria->createdBefore = createdBefore_;
        criteria->createdAfter = createdAfter_;
        criteria->modifiedBefore = modifiedBefore_;
        criteria->modifiedAfter = modifiedAfter_;
        criteria->accessedBefore = accessedBefore_;
        criteria->accessedAfter = accessedAfter_;
        criteria->sizeMin = sizeMin_;
        criteria->sizeMax = sizeMax_;
        criteria->containing = ContentPattern(containing_, ignoreCase_);
        for (const std::string& line : excludeFiles_)
            criteria->exclusions.emplace_back(line);
        criteria->targets = BuildTargetList(filename_, location_, includeFiles_);
        criteria_ = std::move(criteria);
    } catch (...) {
        busy_ = false;
        throw;
    }
    aborted_ = false;
    failure_.reset();
    unlisted_.clear();
    if (threaded_)
        StartSearchThread();
    else
        SearchInCallingThread();
}

void TFileSearch::StartSearchThread() {
    std::erase_if(finished_, [](const auto& thread) { return thread->Finished(); });
    try {
        worker_ = std::make_unique<TSearchThread>(*this, *criteria_, threadPriority_);
    } catch (...) {
        // No thread to run the search: it ends at once.
        Fail(CurrentErrorText());
        DoComplete();
    }
}

void TFileSearch::SearchInCallingThread() {
    InlineSink sink(
        [this](const std::string& folder) { return DoNewFolder(folder); },
        [this](const std::string& folder, TSearchRec& entry) { DoFound(folder, entry); },
        [this](const std::string& folder) { AddUnlisted(folder); }, aborted_);
    try {
        WalkTargets(*criteria_, sink);
    } catch (...) {
        Fail(CurrentErrorText());
    }
    DoComplete();
}

void TFileSearch::Abort() {
    aborted_ = true;
    if (!worker_)
        return;
    worker_->Terminate();
    // Inside one of the worker's hand-overs the worker waits for us: it stops afterwards.
    if (worker_->InHandOver())
        return;
    WaitForWorker();
}

void TFileSearch::WaitForWorker() {
    const TSearchThread* running = worker_.get();
    while (worker_.get() == running) {
        host_.processMessages();
        if (worker_.get() == running)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

void TFileSearch::Fail(const std::string& reason) {
    aborted_ = true;
    if (!failure_)
        failure_ = reason;
}

void TFileSearch::AddUnlisted(const std::string& folder) {
    unlisted_.push_back(EventFolder(folder));
}

void TFileSearch::SearchThreadTerminated() {
    finished_.push_back(std::move(worker_));
    DoComplete();
}

void TFileSearch::DoFound(const std::string& folder, TSearchRec& entry) {
    if (OnFound && !destroying_)
        OnFound(*this, EventFolder(folder), entry);
}

bool TFileSearch::DoNewFolder(const std::string& folder) {
    bool ignore = false;
    if (OnNewFolder && !destroying_)
        OnNewFolder(*this, EventFolder(folder), ignore);
    return !ignore;
}

void TFileSearch::DoComplete() {
    criteria_.reset();
    busy_ = false;
    if (OnComplete && !destroying_)
        OnComplete(*this);
}

} // namespace twinsweep
