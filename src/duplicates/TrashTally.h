#pragma once
// Files counted for the trash: each file once, with its bytes.
#include <cstddef>
#include <cstdint>

#include "DuplicateSets.h"
#include "ResultLists.h"

namespace twinsweep {

struct FilesTally {
    size_t files = 0;
    int64_t bytes = 0;
};

// The duplicates selected in LBB2, a path listed under several references counted once;
// the bytes are those on disk now, a file gone counting 0.
FilesTally SelectedFiles(const ResultLists& lists, const FileFactsOf& factsOf = StatFacts);

// `trash`, adding to `moved` each file it moves with the bytes the file had right before.
TrashFile TallyingTrash(TrashFile trash, FilesTally& moved, FileFactsOf factsOf = StatFacts);

} // namespace twinsweep
