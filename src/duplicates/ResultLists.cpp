#include "ResultLists.h"

#include <algorithm>
#include <optional>
#include <set>

#include "Conversions.h"
#include "Errors.h"
#include "FilesIdentical.h"

namespace twinsweep {

namespace {

void CheckIndex(const PathList& list, int index) {
    if (index < 0 || static_cast<size_t>(index) >= list.size())
        throw EListError(FormatMessage("List index out of bounds (%d)", {std::to_string(index)}));
}

} // namespace

void ResultLists::SetSelected(size_t i, bool selected) {
    if (i >= selected2.size())
        selected2.resize(std::max(i + 1, LBB2.size()), false);
    selected2[i] = selected;
}

bool ResultLists::AnySelected() const {
    for (size_t i = 0; i < LBB2.size(); ++i)
        if (IsSelected(i))
            return true;
    return false;
}

void ResultLists::ClearResults() {
    LBB1.clear();
    LBB2.clear();
    LL1.clear();
    current1 = current2 = -1;
    selected2.clear();
}

void SelectGroup(ResultLists& lists, const LongWork& work) {
    if (lists.LBB1.empty())
        return;
    const size_t count = lists.LBB2.size();
    lists.selected2.assign(count, false);
    if (lists.current1 < 0)
        return;
    for (size_t i = 0; i < lists.LL1.size() && i < count; ++i) {
        if ((i & 0xffff) == 0)
            work.KeepGoing();
        if (lists.LL1[i] == lists.current1)
            lists.selected2[i] = true;
    }
}

void FollowUp(ResultLists& lists) {
    if (lists.current2 < 0 || static_cast<size_t>(lists.current2) >= lists.LL1.size())
        return;
    const int group = lists.LL1[static_cast<size_t>(lists.current2)];
    if (group >= 0 && static_cast<size_t>(group) < lists.LBB1.size())
        lists.current1 = group;
}

std::string CurrentEntry(const PathList& list, int current) {
    CheckIndex(list, current);
    return std::string(list[static_cast<size_t>(current)]);
}

void SwapReferenceAndDuplicate(ResultLists& lists) {
    CheckIndex(lists.LBB1, lists.current1);
    CheckIndex(lists.LBB2, lists.current2);
    lists.LBB1.Exchange(static_cast<size_t>(lists.current1), lists.LBB2,
                        static_cast<size_t>(lists.current2));
}

void RemoveGroup(ResultLists& lists, int g) {
    CheckIndex(lists.LBB1, g);
    lists.LBB1.erase(static_cast<size_t>(g));
    for (int& group : lists.LL1)
        if (group > g)
            --group;
    if (lists.current1 >= static_cast<int>(lists.LBB1.size()))
        lists.current1 = static_cast<int>(lists.LBB1.size()) - 1;
}

namespace {

// The reference of LBB2's entry i; empty when its LL1 entry names no group.
std::string ReferenceOf(const ResultLists& lists, size_t i) {
    const int group = i < lists.LL1.size() ? lists.LL1[i] : GroupList::NoGroup;
    if (group < 0 || static_cast<size_t>(group) >= lists.LBB1.size())
        return {};
    return std::string(lists.LBB1[static_cast<size_t>(group)]);
}

// Moves one duplicate to the trash once it proved to be a copy of its reference; the
// reason it stays otherwise.
std::optional<KeptDuplicate> TrashIfCopy(const std::string& path, const std::string& reference,
                                         const TrashFile& trash) {
    switch (CompareFiles(reference, path)) {
    case Comparison::Identical:
        break;
    case Comparison::FirstGone:
        return KeptDuplicate{path, KeepReason::ReferenceGone, reference};
    case Comparison::SameFile:
        return KeptDuplicate{path, KeepReason::SameFile, reference};
    case Comparison::Different:
        return KeptDuplicate{path, KeepReason::Changed, reference};
    case Comparison::SecondGone:
        return KeptDuplicate{path, KeepReason::DuplicateGone, {}};
    }
    std::string error;
    if (!trash(path, error))
        return KeptDuplicate{path, KeepReason::TrashFailed, error};
    return std::nullopt;
}

void RemoveDuplicate(ResultLists& lists, size_t i) {
    lists.LBB2.erase(i);
    if (i < lists.LL1.size())
        lists.LL1.erase(i);
    if (i < lists.selected2.size())
        lists.selected2.erase(lists.selected2.begin() + static_cast<std::ptrdiff_t>(i));
}

} // namespace

std::vector<KeptDuplicate> DeleteSelectedDuplicates(ResultLists& lists, const TrashFile& trash,
                                                    const LongWork& work) {
    std::vector<KeptDuplicate> kept;
    if (lists.LBB1.empty())
        return kept;
    const int g = lists.current1;
    // The files to move are those selected when the user confirmed.
    const std::vector<bool> chosen = [&] {
        std::vector<bool> snapshot(lists.LBB2.size());
        for (size_t i = 0; i < snapshot.size(); ++i)
            snapshot[i] = lists.IsSelected(i);
        return snapshot;
    }();
    std::set<PathStore::Id> trashed; // a file listed in several groups goes once
    bool going = true;
    for (size_t i = chosen.size(); i-- > 0;) {
        going = going && work.KeepGoing();
        if (!going || !chosen[i])
            continue;
        const PathStore::Id path = lists.LBB2.IdAt(i);
        if (!trashed.count(path)) {
            if (auto reason =
                    TrashIfCopy(std::string(lists.LBB2[i]), ReferenceOf(lists, i), trash)) {
                kept.push_back(std::move(*reason));
                continue;
            }
            trashed.insert(path);
        }
        RemoveDuplicate(lists, i);
    }
    std::reverse(kept.begin(), kept.end());
    lists.current2 = -1;
    // Once stopped, keepGoing is no longer asked.
    const LongWork& rest = going ? work : LongWork{};
    SelectGroup(lists, rest);
    if (lists.AnySelected())
        return kept;
    if (g >= 0 && static_cast<size_t>(g) < lists.LBB1.size())
        RemoveGroup(lists, g);
    while (!lists.LBB1.empty()) {
        rest.KeepGoing();
        lists.current1 = 0;
        SelectGroup(lists, rest);
        if (lists.AnySelected())
            return kept;
        RemoveGroup(lists, 0);
    }
    lists.current1 = -1;
    return kept;
}

} // namespace twinsweep
