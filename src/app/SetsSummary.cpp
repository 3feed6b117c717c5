#include "SetsSummary.h"

#include "DuplicateSets.h"
#include "FileReader.h"

namespace twinsweep {

SetsSummary SummarizeSets(const ResultLists& lists) {
    const auto sets = SetsOf(lists, [](std::string_view path) -> int64_t {
        FileStamp stamp;
        return StampOfPath(std::string(path), stamp) ? stamp.size : -1;
    });
    return {sets.size(), FreeableBytes(sets)};
}

} // namespace twinsweep
