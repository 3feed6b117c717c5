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
    size_t protectedKept = 0; // protected files among those chosen or beside them, which stay
};

// The duplicates selected in LBB2, a path listed under several references counted once;
// the bytes are those on disk now, a file gone counting 0. Protected paths are counted apart,
// as kept.
FilesTally SelectedFiles(const ResultLists& lists, const FileFactsOf& factsOf = StatFacts,
                         const ProtectedFolders& protectedFolders = {});

// `trash`, adding to `moved` each file it moves with the bytes the file had right before.
TrashFile TallyingTrash(TrashFile trash, FilesTally& moved, FileFactsOf factsOf = StatFacts);

} // namespace twinsweep
