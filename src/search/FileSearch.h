#pragma once
// TFileSearch: the file search component. It holds the criteria, and each Execute walks the
// target folders, inline or in a worker thread, reporting through three events that always
// run on the UI thread.
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DateTime.h"
#include "FileAttributes.h"
#include "FileSearchError.h"
#include "Host.h"
#include "SearchRec.h"
#include "TextLines.h"
#include "ThreadPriority.h"

namespace twinsweep {

class TFileSearch;
class TSearchThread;
struct SearchCriteria;

// Folder has no trailing separator (except the root "/"). FileInfo belongs to the search
// only for the length of the call.
using TFoundEvent =
    std::function<void(TFileSearch& Sender, const std::string& Folder, TSearchRec& FileInfo)>;
// Setting IgnoreFolder skips the folder and everything below it.
using TNewFolderEvent =
    std::function<void(TFileSearch& Sender, const std::string& Folder, bool& IgnoreFolder)>;
using TSearchNotifyEvent = std::function<void(TFileSearch& Sender)>;

class TFileSearch {
public:
    // host hands the events of threaded searches to the UI thread.
    explicit TFileSearch(Host& host);
    // Stops a running worker and waits for it; no event is delivered from then on.
    virtual ~TFileSearch();
    TFileSearch(const TFileSearch&) = delete;
    TFileSearch& operator=(const TFileSearch&) = delete;

    // One name mask; raises EFileSearchError when it holds a folder separator.
    const std::string& Filename() const { return filename_; }
    void SetFilename(const std::string& value);
    // Folders separated by ";", empty for the current folder; raises EFileSearchError when it
    // holds a wildcard.
    const std::string& Location() const { return location_; }
    void SetLocation(const std::string& value);
    // Folder-and-mask lines that replace Filename and Location when there is any.
    TextLines& IncludeFiles() { return includeFiles_; }
    const TextLines& IncludeFiles() const { return includeFiles_; }
    void SetIncludeFiles(const TextLines& lines) { includeFiles_ = lines; }
    // Masks matched against each entry's full path; a match rejects the entry.
    TextLines& ExcludeFiles() { return excludeFiles_; }
    const TextLines& ExcludeFiles() const { return excludeFiles_; }
    void SetExcludeFiles(const TextLines& lines) { excludeFiles_ = lines; }

    bool Subfolders() const { return subfolders_; }
    void SetSubfolders(bool value) { subfolders_ = value; }
    TFileAttributes Attributes() const { return attributes_; }
    void SetAttributes(TFileAttributes value) { attributes_ = value; }
    bool ExactAttribute() const { return exactAttribute_; }
    void SetExactAttribute(bool value) { exactAttribute_ = value; }
    // Off, names beginning with "." are neither listed nor entered, whatever Attributes
    // holds; on, they pass to the attribute test like any other entry.
    bool IncludeHidden() const { return includeHidden_; }
    void SetIncludeHidden(bool value) { includeHidden_ = value; }

    // Time bounds: 0 is no bound; a whole number bounds the date, a value between 0 and 1
    // the time of day, anything else the date and time.
    TDateTime ModifiedBefore() const { return modifiedBefore_; }
    void SetModifiedBefore(TDateTime value) { modifiedBefore_ = value; }
    TDateTime ModifiedAfter() const { return modifiedAfter_; }
    void SetModifiedAfter(TDateTime value) { modifiedAfter_ = value; }
    TDateTime CreatedBefore() const { return createdBefore_; }
    void SetCreatedBefore(TDateTime value) { createdBefore_ = value; }
    TDateTime CreatedAfter() const { return createdAfter_; }
    void SetCreatedAfter(TDateTime value) { createdAfter_ = value; }
    TDateTime AccessedBefore() const { return accessedBefore_; }
    void SetAccessedBefore(TDateTime value) { accessedBefore_ = value; }
    TDateTime AccessedAfter() const { return accessedAfter_; }
    void SetAccessedAfter(TDateTime value) { accessedAfter_ = value; }

    // Inclusive size bounds in bytes; 0 is no bound.
    int64_t SizeMin() const { return sizeMin_; }
    void SetSizeMin(int64_t value) { sizeMin_ = value; }
    int64_t SizeMax() const { return sizeMax_; }
    void SetSizeMax(int64_t value) { sizeMax_ = value; }

    // Text a file's content must hold; empty for no content test.
    const std::string& Containing() const { return containing_; }
    void SetContaining(const std::string& value) { containing_ = value; }
    // For the content test only: ASCII letters without regard to case.
    bool IgnoreCase() const { return ignoreCase_; }
    void SetIgnoreCase(bool value) { ignoreCase_ = value; }

    bool Threaded() const { return threaded_; }
    void SetThreaded(bool value) { threaded_ = value; }
    TThreadPriority ThreadPriority() const { return threadPriority_; }
    // Also applies to a running worker.
    void SetThreadPriority(TThreadPriority value);

    TFoundEvent OnFound;
    TNewFolderEvent OnNewFolder;
    TSearchNotifyEvent OnComplete;

    // Starts a search with a copy of the criteria; ignored while Busy. Threaded, it returns
    // once the worker runs; otherwise after the search and OnComplete.
    void Execute();
    // Stops the search. With a worker it processes the UI's pending calls until the
    // completion step has run, so OnComplete has been delivered when it returns; called
    // from a handler, the search stops after that handler.
    void Abort();
    bool Busy() const { return busy_; }
    // True when the last search ended early: by Abort, or by a failure.
    bool Aborted() const { return aborted_; }
    // The error that ended the last search early ("out of memory" for a lack of memory, or
    // what a handler raised); nothing when it ran to its end or was aborted.
    const std::optional<std::string>& Failure() const { return failure_; }
    // The folders the last search could not list, or not to their end (no right to, gone
    // meanwhile, a read error), named as the events name them; all of them once it completed.
    const std::vector<std::string>& UnlistedFolders() const { return unlisted_; }

protected:
    virtual void DoFound(const std::string& folder, TSearchRec& entry);
    // False when the handler asks to skip the folder.
    virtual bool DoNewFolder(const std::string& folder);
    // Releases the run's criteria, clears Busy, then fires OnComplete.
    virtual void DoComplete();
    virtual void StartSearchThread();
    virtual void SearchInCallingThread();

    Host& host() const { return host_; }
    bool Destroying() const { return destroying_; }

private:
    friend class TSearchThread;
    // The worker's termination step, on the UI thread.
    void SearchThreadTerminated();
    void WaitForWorker();
    // Ends the run for `reason`; the first failure of a run is the one kept.
    void Fail(const std::string& reason);
    void AddUnlisted(const std::string& folder);

    Host& host_;
    std::string filename_ = "*.*";
    std::string location_;
    TextLines includeFiles_;
    TextLines excludeFiles_;
    bool subfolders_ = true;
    TFileAttributes attributes_{ffArchive, ffReadonly, ffHidden, ffSystem};
    bool exactAttribute_ = false;
    bool includeHidden_ = true;
    TDateTime modifiedBefore_ = 0, modifiedAfter_ = 0;
    TDateTime createdBefore_ = 0, createdAfter_ = 0;
    TDateTime accessedBefore_ = 0, accessedAfter_ = 0;
    int64_t sizeMin_ = 0, sizeMax_ = 0;
    std::string containing_;
    bool ignoreCase_ = true;
    bool threaded_ = false;
    TThreadPriority threadPriority_ = tpNormal;

    bool busy_ = false;
    std::atomic<bool> aborted_{false};
    std::optional<std::string> failure_; // written on the UI thread only
    std::vector<std::string> unlisted_;  // the same
    bool destroying_ = false;
    std::unique_ptr<SearchCriteria> criteria_;
    std::unique_ptr<TSearchThread> worker_;
    // Workers past their termination step, joined once they have returned.
    std::vector<std::unique_ptr<TSearchThread>> finished_;
};

} // namespace twinsweep
