#include "SearchWalk.h"

#include <fcntl.h>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <vector>

#include "FileDescriptor.h"
#include "FileId.h"
#include "LongPath.h"
#include "NameMask.h"
#include "Paths.h"
#include "TargetList.h"
#include "TaskPool.h"
#include "TrashFolders.h"

namespace twinsweep {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
// Only the deepest folders of the current path keep a descriptor to open their sub-folders
// from; those above open them by their full path, so a deep tree holds at most this many.
constexpr size_t kHeldFolders = 32;

// Entries listed together and stat'ed side by side: on a cold disk many requests at once
// are served far sooner than one after another.
constexpr size_t kBatch = 256;
constexpr unsigned kStatThreads = 15;

// An entry of a folder being searched.
struct Listed {
    std::string name;
    bool subfolder; // a folder to visit
    bool wanted;    // its name matches the mask
    bool found = false;
    FileStatus status;
};

// A folder whose sub-folders are still to be visited.
struct PendingFolder {
    explicit PendingFolder(size_t pathLength) : pathLength(pathLength) {}

    size_t pathLength; // its path's, separator included
    std::vector<std::string> subfolders;
    size_t next = 0;
    FileDescriptor held;
};

// Visits a tree with a stack of pending folders rather than recursion, and opens each folder
// relative to its parent, so neither depth nor path length has a limit.
class Walk {
public:
    Walk(const SearchCriteria& criteria, SearchSink& sink)
        : criteria_(criteria), sink_(sink), homeTrash_(HomeTrashFolder()) {}

    void Tree(const SearchTarget& target) {
        mask_ = target.mask;
        path_ = target.folder;
        Enter(FileDescriptor(OpenPath(path_, kFolderFlags)));
        while (!pending_.empty()) {
            PendingFolder& parent = pending_.back();
            if (parent.next == parent.subfolders.size()) {
                pending_.pop_back();
                continue;
            }
            if (sink_.StopRequested())
                break;
            const std::string& name = parent.subfolders[parent.next++];
            path_.resize(parent.pathLength);
            path_ += name; // no separator yet: it would make O_NOFOLLOW follow a link
            const int folder =
                parent.held ? ::openat(parent.held.get(), name.c_str(), kFolderFlags | O_NOFOLLOW)
                            : OpenPath(path_, kFolderFlags | O_NOFOLLOW);
            path_ += PathDelim;
            Enter(FileDescriptor(folder));
        }
        pending_.clear();
    }

private:
    // Reports the matching entries of the folder at path_, open as folder unless it could not
    // be opened, and queues its sub-folders. A trash folder, or a folder this search already
    // entered (another target holding it, a link to it, a bind mount), is passed over
    // without a word.
    void Enter(FileDescriptor folder) {
        struct stat info {};
        if (folder && ::fstat(folder.get(), &info) != 0)
            folder.reset();
        const FileId id = FileId::Of(info);
        if (folder && (homeTrash_ == id || !visited_.insert(id).second))
            return;
        if (!sink_.NewFolder(path_) || sink_.StopRequested())
            return;

        PendingFolder pending(path_.size());
        bool mountTop = false;
        if (folder && criteria_.subfolders) {
            mountTop = IsMountTop(folder.get());
            pending.held.reset(::fcntl(folder.get(), F_DUPFD_CLOEXEC, 0));
        }
        const std::string upperFolder =
            criteria_.exclusions.empty() ? std::string() : UpperCaseAscii(path_);
        DirectoryListing listing(folder.release());
        for (bool more = true; more;) {
            // A batch of entries at a time, whose statuses are all asked for at once.
            batch_.clear();
            while (batch_.size() < kBatch && (more = listing.Next())) {
                const std::string_view name = listing.Name();
                if (!criteria_.includeHidden && name.front() == '.')
                    continue;
                const bool subfolder = criteria_.subfolders && listing.IsDirectory() &&
                                       !(mountTop && IsMountTrashName(name));
                batch_.push_back(
                    {std::string(name), subfolder, MatchesNameMask(name, mask_), false, {}});
            }
            statuses_.ForEach(batch_.size(), [&](size_t k) {
                Listed& entry = batch_[k];
                entry.found = entry.wanted && listing.StatusOf(entry.name.c_str(), entry.status);
            });
            for (Listed& entry : batch_) {
                if (entry.subfolder)
                    pending.subfolders.push_back(entry.name);
                if (entry.found &&
                    criteria_.Accepts(path_, upperFolder, entry.name, entry.status)) {
                    TSearchRec found = MakeSearchRec(std::move(entry.name), entry.status);
                    sink_.Found(path_, found);
                }
                if (sink_.StopRequested())
                    return;
            }
        }
        if (!listing.IsOpen() || listing.Failed())
            sink_.Unlisted(path_);
        if (pending.subfolders.empty())
            return;
        pending_.push_back(std::move(pending));
        if (pending_.size() > kHeldFolders)
            pending_[pending_.size() - 1 - kHeldFolders].held.reset();
    }

    const SearchCriteria& criteria_;
    SearchSink& sink_;
    const std::optional<FileId> homeTrash_; // taken once per search
    std::string mask_;
    std::string path_; // the current folder, ending in the separator
    std::vector<PendingFolder> pending_;
    std::set<FileId> visited_; // the folders entered, also catching cycles
    std::vector<Listed> batch_;
    TaskPool statuses_{kStatThreads};
};

} // namespace

TSearchRec MakeSearchRec(std::string name, const FileStatus& status) {
    TSearchRec entry;
    entry.Time = DateTimeToFileDate(UnixToLocalDateTime(status.written));
    entry.Size = status.size;
    entry.Attr = status.AttributeWord();
    entry.Name = std::move(name);
    entry.FindData.CreationTime = status.created;
    entry.FindData.LastAccessTime = status.accessed;
    entry.FindData.LastWriteTime = status.written;
    entry.FindData.FileSize = status.size;
    return entry;
}

void WalkTargets(const SearchCriteria& criteria, SearchSink& sink) {
    Walk walk(criteria, sink);
    for (const std::string& target : criteria.targets) {
        walk.Tree(SplitTarget(target));
        if (sink.StopRequested())
            return;
    }
}

} // namespace twinsweep
