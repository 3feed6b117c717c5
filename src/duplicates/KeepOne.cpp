#include "KeepOne.h"

#include <algorithm>

#include "Paths.h"

namespace twinsweep {

namespace {

// How many folders down a path lies; within one folder, the fewer the closer to it.
size_t Depth(std::string_view path) {
    return static_cast<size_t>(std::count(path.begin(), path.end(), PathDelim));
}

// True when a should be kept rather than b.
bool Prefer(const SetMember& a, const SetMember& b, const PathStore& paths, KeepRule rule) {
    switch (rule) {
    case KeepRule::Newest:
        return a.facts.modified > b.facts.modified;
    case KeepRule::Oldest:
        return a.facts.modified < b.facts.modified;
    case KeepRule::ShortestPath:
        return paths[a.path].size() < paths[b.path].size();
    case KeepRule::InsideFolder:
        return Depth(paths[a.path]) < Depth(paths[b.path]);
    }
    return false;
}

} // namespace

size_t MarkAllButOne(std::vector<DuplicateSet>& sets, const PathStore& paths, KeepRule rule,
                     std::string_view folder) {
    const std::string inside = IncludeTrailingPathDelimiter(std::string(folder));
    auto candidate = [&](const SetMember& m) {
        return m.facts.exists &&
               (rule != KeepRule::InsideFolder || paths[m.path].starts_with(inside));
    };
    size_t marked = 0;
    for (DuplicateSet& set : sets) {
        // A protected file that exists keeps the set's bytes: every other file may go.
        const auto kept =
            std::find_if(set.members.begin(), set.members.end(),
                         [](const SetMember& m) { return m.isProtected && m.facts.exists; });
        const SetMember* keep = kept == set.members.end() ? nullptr : &*kept;
        const bool protectedKeeps = keep != nullptr;
        for (const SetMember& member : set.members)
            if (!protectedKeeps && candidate(member) &&
                (!keep || Prefer(member, *keep, paths, rule)))
                keep = &member;
        if (!keep)
            continue;
        for (SetMember& member : set.members)
            member.marked = &member != keep && !member.isProtected;
        ++marked;
    }
    return marked;
}

void ClearMarks(std::vector<DuplicateSet>& sets) {
    for (DuplicateSet& set : sets)
        for (SetMember& member : set.members)
            member.marked = false;
}

bool SetMark(DuplicateSet& set, size_t member, bool marked) {
    if (marked && set.members[member].isProtected)
        return false;
    if (marked && !set.members[member].marked &&
        std::count_if(set.members.begin(), set.members.end(),
                      [](const SetMember& m) { return !m.marked; }) == 1)
        return false;
    set.members[member].marked = marked;
    return true;
}

} // namespace twinsweep
