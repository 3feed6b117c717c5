#pragma once
// What the result lists amount to: their sets of identical files, the extra copies they
// hold (all but one file of each) and the space that trashing those would free.
#include <cstddef>
#include <cstdint>

#include "ResultLists.h"
#include "SearchFolders.h"

namespace twinsweep {

struct SetsSummary {
    size_t count = 0;
    size_t extraFiles = 0;
    int64_t freeableBytes = 0;
};

// The sizes are those of the files on disk now; a file gone counts 0. Protected files are
// no extra copies, and sets of protected files only do not count.
SetsSummary SummarizeSets(const ResultLists& lists, const ProtectedFolders& protectedFolders = {});

} // namespace twinsweep
