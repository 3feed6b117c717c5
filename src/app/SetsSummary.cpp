#include "SetsSummary.h"

#include "DuplicateSets.h"

namespace twinsweep {

SetsSummary SummarizeSets(const ResultLists& lists) {
    const auto sets = SetsOf(lists);
    return {sets.size(), ExtraFiles(sets), FreeableBytes(sets)};
}

} // namespace twinsweep
