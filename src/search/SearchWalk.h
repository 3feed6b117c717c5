#pragma once
// The walk through the target folders: which folders are visited, in which order, and
// which entries are reported.
#include <string>

#include "SearchCriteria.h"
#include "SearchRec.h"

namespace twinsweep {

// Where a walk reports to. Errors thrown by these end the walk and pass through it.
class SearchSink {
public:
    virtual ~SearchSink() = default;
    // Called before a folder (ending in the separator) is searched; false skips the folder
    // and everything below it.
    virtual bool NewFolder(const std::string& folder) = 0;
    virtual void Found(const std::string& folder, TSearchRec& entry) = 0;
    // Called for a folder searched that could not be listed, or not to its end.
    virtual void Unlisted(const std::string& folder) = 0;
    // Polled before each listing, after each entry and after each target.
    virtual bool StopRequested() = 0;
};

// Visits every target in order. In each folder its own matching entries are reported
// first, then its sub-folders are visited depth first in listing order. Links are listed,
// never followed; the desktop trash folders and a folder entered before in the same walk
// (the same device and inode, reached through another target, a link given as a target or a
// bind mount) are never entered, nor, unless the criteria include hidden entries, a folder
// whose name begins with ".". Trees of any depth and path length are walked. A folder that
// cannot be listed is reported and the walk goes on.
void WalkTargets(const SearchCriteria& criteria, SearchSink& sink);

// The record reported for an entry.
TSearchRec MakeSearchRec(std::string name, const FileStatus& status);

} // namespace twinsweep
