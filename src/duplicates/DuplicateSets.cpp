#include "DuplicateSets.h"

#include <numeric>
#include <unordered_map>

namespace twinsweep {

namespace {

// Union-find over the paths the lists name, numbered in the order they are first met.
class Partition {
public:
    size_t Add(PathStore::Id id) {
        const auto [at, added] = index_.try_emplace(id, parent_.size());
        if (added) {
            parent_.push_back(parent_.size());
            ids_.push_back(id);
        }
        return at->second;
    }
    size_t Find(size_t x) {
        while (parent_[x] != x)
            x = parent_[x] = parent_[parent_[x]];
        return x;
    }
    // The root of the earlier-met element stays the root.
    void Join(size_t a, size_t b) {
        a = Find(a);
        b = Find(b);
        if (a != b)
            parent_[std::max(a, b)] = std::min(a, b);
    }
    size_t size() const { return parent_.size(); }
    PathStore::Id IdOf(size_t x) const { return ids_[x]; }

private:
    std::unordered_map<PathStore::Id, size_t> index_;
    std::vector<size_t> parent_;
    std::vector<PathStore::Id> ids_;
};

} // namespace

std::vector<DuplicateSet> SetsOf(const ResultLists& lists, const FileSizeOf& sizeOf) {
    Partition files;
    std::vector<size_t> references;
    for (size_t g = 0; g < lists.LBB1.size(); ++g)
        references.push_back(files.Add(lists.LBB1.IdAt(g)));
    for (size_t i = 0; i < lists.LBB2.size() && i < lists.LL1.size(); ++i) {
        const int group = lists.LL1[i];
        if (group < 0 || static_cast<size_t>(group) >= references.size())
            continue;
        files.Join(references[static_cast<size_t>(group)], files.Add(lists.LBB2.IdAt(i)));
    }
    std::vector<std::vector<size_t>> byRoot(files.size());
    for (size_t x = 0; x < files.size(); ++x)
        byRoot[files.Find(x)].push_back(x);
    std::vector<DuplicateSet> sets;
    for (const auto& members : byRoot) {
        if (members.size() < 2)
            continue; // a reference whose members all went
        DuplicateSet set;
        for (size_t x : members)
            set.members.push_back(files.IdOf(x));
        set.size = std::max<int64_t>(0, sizeOf(lists.paths->operator[](set.members[0])));
        sets.push_back(std::move(set));
    }
    return sets;
}

int64_t FreeableBytes(const std::vector<DuplicateSet>& sets) {
    return std::accumulate(
        sets.begin(), sets.end(), int64_t{0},
        [](int64_t sum, const DuplicateSet& set) { return sum + set.Freeable(); });
}

} // namespace twinsweep
