#pragma once
// Marks for the trash within sets of identical files. Every set keeps at least one of its
// files unmarked, whatever is asked.
#include <string_view>
#include <vector>

#include "DuplicateSets.h"

namespace twinsweep {

enum class KeepRule {
    Newest,       // the file modified last
    Oldest,       // the file modified first
    ShortestPath, // the shortest path, in bytes
    InsideFolder, // a file below a given folder, the fewest folders down
};

// Marks every member of each set but the one the rule keeps (on a tie, the first of them);
// only files that exist are kept. A set with a protected file that exists keeps that one
// instead, whatever the rule. Protected files are never marked. A set where the rule finds
// no file to keep is left as it was. Returns the number of sets marked.
size_t MarkAllButOne(std::vector<DuplicateSet>& sets, const PathStore& paths, KeepRule rule,
                     std::string_view folder = {});

void ClearMarks(std::vector<DuplicateSet>& sets);

// Marks or unmarks one member; false, changing nothing, when it is protected or marking it
// would leave its set without an unmarked member.
bool SetMark(DuplicateSet& set, size_t member, bool marked);

} // namespace twinsweep
