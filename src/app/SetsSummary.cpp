#include "SetsSummary.h"

#include "DuplicateSets.h"

namespace twinsweep {

SetsSummary SummarizeSets(const ResultLists& lists, const ProtectedFolders& protectedFolders) {
    auto sets = SetsOf(lists, StatFacts, protectedFolders);
    std::erase_if(sets, AllProtected);
    return {sets.size(), ExtraFiles(sets), FreeableBytes(sets)};
}

} // namespace twinsweep
