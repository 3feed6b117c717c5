#pragma once
// Moves the marked files of sets of identical files to the trash and takes them out of the
// pairwise lists the sets came from.
#include <vector>

#include "DuplicateSets.h"

namespace twinsweep {

// Each marked member goes to the trash only once an unmarked member of its set proved,
// right before, to be another file with the same bytes; otherwise it stays and is
// returned with the reason, in set order (the first unmarked member named as detail). A
// set without an unmarked member trashes nothing. The trashed files leave the lists as
// RemoveFiles takes them out. The work's keepGoing runs between files; once it answers
// false no further file is moved, but the lists still lose those that were.
std::vector<KeptDuplicate> TrashMarkedFiles(ResultLists& lists,
                                            const std::vector<DuplicateSet>& sets,
                                            const TrashFile& trash, const LongWork& work = {});

// What to do with a marked file and one unmarked member of its set: nothing returned once
// done, else why the file stays (DuplicateGone, TrashFailed, KeptGoneWithIt and
// PutBackFailed try no other member).
using CopyAct = std::function<std::optional<KeptDuplicate>(const std::string& path,
                                                           const std::string& original)>;
// TrashMarkedFiles with another act, such as replacing the file by a clone or a link: the
// files it took leave the lists as the trashed ones do.
std::vector<KeptDuplicate> ActOnMarkedFiles(ResultLists& lists,
                                            const std::vector<DuplicateSet>& sets,
                                            const CopyAct& act, const LongWork& work = {});

} // namespace twinsweep
