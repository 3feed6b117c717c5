#include "SearchWalk.h"

#include "NameMask.h"
#include "Paths.h"
#include "TargetList.h"

#include <vector>

namespace twinsweep {
namespace {

class Walk {
public:
    Walk(const SearchCriteria& criteria, SearchSink& sink) : criteria_(criteria), sink_(sink) {}

    void Visit(const std::string& folder, const std::string& mask) {
        if (!sink_.NewFolder(folder) || sink_.StopRequested())
            return;
        const std::string upperFolder =
            criteria_.exclusions.empty() ? std::string() : UpperCaseAscii(folder);
        // One pass over the listing gives the candidates and the sub-folders; the listing is
        // closed before descending so deep trees do not pile up open folders.
        std::vector<std::string> subfolders;
        {
            DirectoryListing listing(folder);
            FileStatus status;
            while (listing.Next()) {
                const std::string_view name = listing.Name();
                if (criteria_.subfolders && listing.IsDirectory())
                    subfolders.emplace_back(name);
                if (MatchesNameMask(name, mask) && listing.Status(status) &&
                    criteria_.Accepts(folder, upperFolder, name, status)) {
                    TSearchRec entry = MakeSearchRec(std::string(name), status);
                    sink_.Found(folder, entry);
                }
                if (sink_.StopRequested())
                    return;
            }
        }
        for (const std::string& name : subfolders) {
            if (sink_.StopRequested())
                return;
            Visit(folder + name + PathDelim, mask);
        }
    }

private:
    const SearchCriteria& criteria_;
    SearchSink& sink_;
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
        const SearchTarget split = SplitTarget(target);
        walk.Visit(split.folder, split.mask);
        if (sink.StopRequested())
            return;
    }
}

} // namespace twinsweep
