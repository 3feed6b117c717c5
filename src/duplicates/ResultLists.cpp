#include "ResultLists.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <set>

#include "Conversions.h"
#include "DirectoryListing.h"
#include "Errors.h"
#include "FilesIdentical.h"
#include "Shell.h"

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
    int first = -1;
    for (size_t i = 0; lists.current1 >= 0 && i < lists.LL1.size() && i < count; ++i) {
        if ((i & 0xffff) == 0)
            work.KeepGoing();
        if (lists.LL1[i] == lists.current1) {
            lists.selected2[i] = true;
            if (first < 0)
                first = static_cast<int>(i);
        }
    }
    const bool inGroup = lists.current2 >= 0 && static_cast<size_t>(lists.current2) < count &&
                         lists.selected2[static_cast<size_t>(lists.current2)];
    if (!inGroup)
        lists.current2 = first;
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
    CheckIndex(lists.LBB2, lists.current2);
    FollowUp(lists); // never across groups
    CheckIndex(lists.LBB1, lists.current1);
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

std::optional<KeptDuplicate> CheckCopy(const std::string& path, const std::string& original,
                                       FileStamp* originalStamp) {
    switch (CompareFiles(original, path, originalStamp)) {
    case Comparison::Identical:
        return std::nullopt;
    case Comparison::FirstGone:
        return KeptDuplicate{path, KeepReason::ReferenceGone, original};
    case Comparison::SameFile:
        return KeptDuplicate{path, KeepReason::SameFile, original};
    case Comparison::Different:
        return KeptDuplicate{path, KeepReason::Changed, original};
    case Comparison::SecondGone:
        return KeptDuplicate{path, KeepReason::DuplicateGone, {}};
    }
    return KeptDuplicate{path, KeepReason::Changed, original};
}

std::optional<KeptDuplicate> TrashIfCopy(const std::string& path, const std::string& original,
                                         const TrashFile& trash) {
    FileStamp compared;
    if (auto refused = CheckCopy(path, original, &compared))
        return refused;
    return TrashIfKeptStays(path, original, compared, trash);
}

namespace {

// Whether `kept` still opens as the file `compared` recorded. An overlay keeps answering a
// name it looked up after the lower file behind it left, with that file's status (changed
// by the move): then only the folder's listing tells.
bool StillThere(const std::string& kept, const FileStamp& compared) {
    const FileReader file(kept);
    if (!file.IsOpen() || !file.Stamp().SameContents(compared))
        return false;
    return file.Stamp() == compared || FolderListsName(kept);
}

} // namespace

std::optional<KeptDuplicate> TrashIfKeptStays(const std::string& path, const std::string& kept,
                                              const FileStamp& keptStamp, const TrashFile& trash) {
    FileStamp going;
    const bool known = StampOfPath(path, going);
    std::string error;
    if (!trash(path, error))
        return KeptDuplicate{path, KeepReason::TrashFailed, error};
    if (StillThere(kept, keptStamp))
        return std::nullopt;
    std::string trashed;
    if (!known)
        error = std::strerror(ENOENT); // nothing to know it by in the trash
    else if (PutBackFromTrash(path, going.id, trashed, error))
        return KeptDuplicate{path, KeepReason::KeptGoneWithIt, kept};
    return KeptDuplicate{path, KeepReason::PutBackFailed,
                         trashed.empty() ? error : trashed + ": " + error};
}

namespace {

// The reference of LBB2's entry i; empty when its LL1 entry names no group.
std::string ReferenceOf(const ResultLists& lists, size_t i) {
    const int group = i < lists.LL1.size() ? lists.LL1[i] : GroupList::NoGroup;
    if (group < 0 || static_cast<size_t>(group) >= lists.LBB1.size())
        return {};
    return std::string(lists.LBB1[static_cast<size_t>(group)]);
}

void RemoveDuplicate(ResultLists& lists, size_t i) {
    lists.LBB2.erase(i);
    if (i < lists.LL1.size())
        lists.LL1.erase(i);
    if (i < lists.selected2.size())
        lists.selected2.erase(lists.selected2.begin() + static_cast<std::ptrdiff_t>(i));
}

// After a delete in group g: its members selected again; when none is left, the group goes,
// then the first groups until one with members is current.
void SettleCurrentGroup(ResultLists& lists, int g, const LongWork& work) {
    lists.current2 = -1;
    SelectGroup(lists, work);
    if (lists.AnySelected())
        return;
    if (g >= 0 && static_cast<size_t>(g) < lists.LBB1.size())
        RemoveGroup(lists, g);
    while (!lists.LBB1.empty()) {
        work.KeepGoing();
        lists.current1 = 0;
        SelectGroup(lists, work);
        if (lists.AnySelected())
            return;
        RemoveGroup(lists, 0);
    }
    lists.current1 = -1;
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
    // Once stopped, keepGoing is no longer asked.
    SettleCurrentGroup(lists, g, going ? work : LongWork{});
    // A file that left the disk leaves the other groups too, and so do groups it emptied.
    if (!trashed.empty()) {
        std::vector<bool> gone(lists.paths->size(), false);
        for (const PathStore::Id path : trashed)
            gone[path] = true;
        RemoveFiles(lists, gone);
    }
    return kept;
}

void RemoveFiles(ResultLists& lists, const std::vector<bool>& gone) {
    auto isGone = [&gone](PathStore::Id id) { return id < gone.size() && gone[id]; };
    const size_t groups = lists.LBB1.size();
    auto groupOf = [&](size_t i) {
        const int g = i < lists.LL1.size() ? lists.LL1[i] : GroupList::NoGroup;
        return g >= 0 && static_cast<size_t>(g) < groups ? g : GroupList::NoGroup;
    };
    // A reference that goes hands its place to its group's first member that stays.
    std::vector<bool> promoted(lists.LBB2.size(), false);
    std::vector<bool> replaced(groups, false);
    for (size_t i = 0; i < lists.LBB2.size(); ++i) {
        const int g = groupOf(i);
        if (g < 0 || replaced[static_cast<size_t>(g)] || isGone(lists.LBB2.IdAt(i)) ||
            !isGone(lists.LBB1.IdAt(static_cast<size_t>(g))))
            continue;
        lists.LBB1.SetId(static_cast<size_t>(g), lists.LBB2.IdAt(i));
        replaced[static_cast<size_t>(g)] = promoted[i] = true;
    }
    // The entries that stay, and the groups that keep members.
    PathList members(lists.paths);
    GroupList groupsOfMembers;
    std::vector<bool> hasMembers(groups, false);
    for (size_t i = 0; i < lists.LBB2.size(); ++i) {
        if (promoted[i] || isGone(lists.LBB2.IdAt(i)))
            continue;
        members.PushId(lists.LBB2.IdAt(i));
        if (i < lists.LL1.size()) {
            groupsOfMembers.push_back(lists.LL1[i]);
            if (const int g = groupOf(i); g >= 0)
                hasMembers[static_cast<size_t>(g)] = true;
        }
    }
    // Groups without members go; a later group moves down by the number gone before it.
    std::vector<int> removedBefore(groups + 1, 0);
    PathList references(lists.paths);
    for (size_t g = 0; g < groups; ++g) {
        removedBefore[g + 1] = removedBefore[g] + (hasMembers[g] ? 0 : 1);
        if (hasMembers[g])
            references.PushId(lists.LBB1.IdAt(g));
    }
    for (int& g : groupsOfMembers)
        if (g >= 0)
            g -= removedBefore[std::min(static_cast<size_t>(g), groups)];
    int current = lists.current1;
    if (current >= 0 && static_cast<size_t>(current) < groups) {
        // The current group, or the first one after it that stays.
        size_t next = static_cast<size_t>(current);
        while (next < groups && !hasMembers[next])
            ++next;
        current = static_cast<int>(next) - removedBefore[next];
    }
    lists.LBB1 = references;
    lists.LBB2 = members;
    lists.LL1 = std::move(groupsOfMembers);
    lists.current1 = std::min(current, static_cast<int>(lists.LBB1.size()) - 1);
    lists.current2 = -1;
    SelectGroup(lists);
}

} // namespace twinsweep
