#pragma once
// The sets of identical files behind the pairwise result lists: a reference and the
// members of its group are one set, and groups that share a file merge.
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "ResultLists.h"

namespace twinsweep {

struct DuplicateSet {
    int64_t size = 0;                   // of each file
    std::vector<PathStore::Id> members; // in the order the lists first name them

    // The bytes that trashing all but one member would free.
    int64_t Freeable() const { return static_cast<int64_t>(members.size() - 1) * size; }
};

// The size of a listed file; negative when it cannot be known.
using FileSizeOf = std::function<int64_t(std::string_view path)>;

// The sets, in the order the lists first name them (LBB1's groups in turn); a set's size
// is that of its first member. Entries of no group are left out.
std::vector<DuplicateSet> SetsOf(const ResultLists& lists, const FileSizeOf& sizeOf);

// The sum of the sets' Freeable().
int64_t FreeableBytes(const std::vector<DuplicateSet>& sets);

} // namespace twinsweep
