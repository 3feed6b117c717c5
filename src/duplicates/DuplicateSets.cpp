#include "DuplicateSets.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <fcntl.h>
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <numeric>
#include <string>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FileSystems.h"
#include "ParallelSlices.h"

namespace twinsweep {

namespace {

// Union-find over the paths the lists name, numbered in the order they are first met.
class Partition {
public:
    explicit Partition(size_t paths) : index_(paths, Absent) {}

    uint32_t Add(PathStore::Id id) {
        uint32_t& at = index_[id];
        if (at == Absent) {
            at = static_cast<uint32_t>(parent_.size());
            parent_.push_back(at);
            ids_.push_back(id);
        }
        return at;
    }
    uint32_t Find(uint32_t x) {
        while (parent_[x] != x)
            x = parent_[x] = parent_[parent_[x]];
        return x;
    }
    // The root of the earlier-met element stays the root.
    void Join(uint32_t a, uint32_t b) {
        a = Find(a);
        b = Find(b);
        if (a != b)
            parent_[std::max(a, b)] = std::min(a, b);
    }
    uint32_t size() const { return static_cast<uint32_t>(parent_.size()); }
    PathStore::Id IdOf(uint32_t x) const { return ids_[x]; }

private:
    static constexpr uint32_t Absent = UINT32_MAX;
    std::vector<uint32_t> index_; // by path number
    std::vector<uint32_t> parent_;
    std::vector<PathStore::Id> ids_;
};

// The number of different files among `ids`.
size_t DistinctFiles(std::vector<FileId>& ids) {
    std::sort(ids.begin(), ids.end());
    return static_cast<size_t>(std::unique(ids.begin(), ids.end()) - ids.begin());
}

// The files whose trash frees their bytes, beyond one that stays when no protected file or
// file of shared blocks keeps the bytes already.
size_t ExtraFilesOf(const DuplicateSet& set) {
    std::vector<FileId> freeing, keeping;
    for (const SetMember& member : set.members)
        if (member.facts.exists)
            (member.isProtected || member.facts.blocksShared ? keeping : freeing)
                .push_back(member.facts.id);
    std::sort(keeping.begin(), keeping.end());
    std::erase_if(freeing, [&](const FileId& id) {
        return std::binary_search(keeping.begin(), keeping.end(), id);
    });
    const size_t distinct = DistinctFiles(freeing);
    const size_t stays = keeping.empty() ? 1 : 0;
    return distinct < stays ? 0 : distinct - stays;
}

// Whether every extent of the open file is shared; false when the file system cannot say.
bool EveryExtentShared(int file) {
    constexpr unsigned Batch = 64;
    alignas(fiemap) char buffer[sizeof(fiemap) + Batch * sizeof(fiemap_extent)] = {};
    auto* map = reinterpret_cast<fiemap*>(buffer);
    bool any = false;
    for (uint64_t start = 0;;) {
        std::memset(buffer, 0, sizeof buffer);
        map->fm_start = start;
        map->fm_length = FIEMAP_MAX_OFFSET - start;
        map->fm_extent_count = Batch;
        if (::ioctl(file, FS_IOC_FIEMAP, map) != 0 || map->fm_mapped_extents == 0)
            return any;
        for (unsigned e = 0; e < map->fm_mapped_extents; ++e) {
            const fiemap_extent& extent = map->fm_extents[e];
            if (!(extent.fe_flags & FIEMAP_EXTENT_SHARED))
                return false;
            any = true;
            if (extent.fe_flags & FIEMAP_EXTENT_LAST)
                return true;
            start = extent.fe_logical + extent.fe_length;
        }
    }
}

} // namespace

FileFacts StatFacts(std::string_view path) {
    // Kept for the program's life: a device met again after a remount is most often the same
    // file system, and a wrong answer only misjudges the bytes a trash frees.
    static FileSystemTypes types;
    const std::string name(path);
    struct stat info {};
    if (::stat(name.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    FileFacts facts{true, FileId::Of(info), info.st_size,
                    static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 +
                        info.st_mtim.tv_nsec};
    if (info.st_size > 0 && SharesBlocks(types.Of(info.st_dev, name))) {
        const int file = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (file >= 0) {
            facts.blocksShared = EveryExtentShared(file);
            ::close(file);
        }
    }
    return facts;
}

std::vector<DuplicateSet> SetsOf(const ResultLists& lists, const FileFactsOf& factsOf,
                                 const ProtectedFolders& protectedFolders) {
    assert(lists.OneStore());
    Partition files(lists.paths->size());
    std::vector<uint32_t> references;
    for (size_t g = 0; g < lists.LBB1.size(); ++g)
        references.push_back(files.Add(lists.LBB1.IdAt(g)));
    for (size_t i = 0; i < lists.LBB2.size() && i < lists.LL1.size(); ++i) {
        const int group = lists.LL1[i];
        if (group < 0 || static_cast<size_t>(group) >= references.size())
            continue;
        files.Join(references[static_cast<size_t>(group)], files.Add(lists.LBB2.IdAt(i)));
    }
    // Members in the order they were met: count each root's members, then place them.
    std::vector<uint32_t> count(files.size(), 0);
    for (uint32_t x = 0; x < files.size(); ++x)
        ++count[files.Find(x)];
    std::vector<uint32_t> setOfRoot(files.size(), UINT32_MAX);
    std::vector<DuplicateSet> sets;
    for (uint32_t x = 0; x < files.size(); ++x) {
        const uint32_t root = files.Find(x);
        if (count[root] < 2)
            continue; // a reference whose members all went
        if (setOfRoot[root] == UINT32_MAX) {
            setOfRoot[root] = static_cast<uint32_t>(sets.size());
            sets.emplace_back().members.reserve(count[root]);
        }
        const PathStore::Id path = files.IdOf(x);
        sets[setOfRoot[root]].members.push_back(
            {path, {}, false, protectedFolders.Covers((*lists.paths)[path])});
    }
    // Stat calls wait on the file system more than they compute: several threads ask.
    std::vector<SetMember*> members;
    for (DuplicateSet& set : sets)
        for (SetMember& member : set.members)
            members.push_back(&member);
    ForSlices(
        members.size(), 4096,
        [&](size_t begin, size_t end) {
            for (size_t m = begin; m < end; ++m)
                members[m]->facts = factsOf((*lists.paths)[members[m]->path]);
        },
        [] { return true; });
    for (DuplicateSet& set : sets) {
        const auto existing = std::find_if(set.members.begin(), set.members.end(),
                                           [](const SetMember& m) { return m.facts.exists; });
        set.size = existing == set.members.end() ? 0 : existing->facts.size;
        set.extraFiles = ExtraFilesOf(set);
        set.freeable = static_cast<int64_t>(set.extraFiles) * set.size;
    }
    return sets;
}

bool AllProtected(const DuplicateSet& set) {
    return std::all_of(set.members.begin(), set.members.end(),
                       [](const SetMember& member) { return member.isProtected; });
}

int64_t FreeableBytes(const std::vector<DuplicateSet>& sets) {
    return std::accumulate(sets.begin(), sets.end(), int64_t{0},
                           [](int64_t sum, const DuplicateSet& set) { return sum + set.freeable; });
}

size_t ExtraFiles(const std::vector<DuplicateSet>& sets) {
    return std::accumulate(
        sets.begin(), sets.end(), size_t{0},
        [](size_t sum, const DuplicateSet& set) { return sum + set.extraFiles; });
}

size_t MemberCount(const std::vector<DuplicateSet>& sets) {
    return std::accumulate(
        sets.begin(), sets.end(), size_t{0},
        [](size_t sum, const DuplicateSet& set) { return sum + set.members.size(); });
}

int64_t MarkedBytes(const DuplicateSet& set) {
    std::vector<FileId> kept, marked;
    for (const SetMember& member : set.members)
        if (member.facts.exists)
            (member.marked && !member.facts.blocksShared ? marked : kept)
                .push_back(member.facts.id);
    const size_t distinctMarked = DistinctFiles(marked);
    std::sort(kept.begin(), kept.end());
    const auto freed =
        std::count_if(marked.begin(), marked.begin() + distinctMarked, [&kept](const FileId& id) {
            return !std::binary_search(kept.begin(), kept.end(), id);
        });
    return static_cast<int64_t>(freed) * set.size;
}

} // namespace twinsweep
