#include "TrashMarked.h"

namespace twinsweep {

namespace {

// Tries the set's unmarked members in turn as the copy that stays; nullopt once `act` took
// `path`.
std::optional<KeptDuplicate>
ActIfCopyOfKept(const std::string& path, const std::vector<std::string>& kept, const CopyAct& act) {
    std::optional<KeptDuplicate> first;
    for (const std::string& original : kept) {
        auto reason = act(path, original);
        if (!reason)
            return std::nullopt;
        if (reason->reason == KeepReason::DuplicateGone ||
            reason->reason == KeepReason::TrashFailed ||
            reason->reason == KeepReason::KeptGoneWithIt ||
            reason->reason == KeepReason::PutBackFailed)
            return reason;
        if (!first)
            first = std::move(reason);
    }
    return first;
}

} // namespace

std::vector<KeptDuplicate> TrashMarkedFiles(ResultLists& lists,
                                            const std::vector<DuplicateSet>& sets,
                                            const TrashFile& trash, const LongWork& work) {
    return ActOnMarkedFiles(
        lists, sets,
        [&trash](const std::string& path, const std::string& original) {
            return TrashIfCopy(path, original, trash);
        },
        work);
}

std::vector<KeptDuplicate> ActOnMarkedFiles(ResultLists& lists,
                                            const std::vector<DuplicateSet>& sets,
                                            const CopyAct& act, const LongWork& work) {
    std::vector<KeptDuplicate> kept;
    std::vector<bool> gone(lists.paths->size(), false);
    bool going = true;
    for (const DuplicateSet& set : sets) {
        std::vector<std::string> originals;
        for (const SetMember& member : set.members)
            if (!member.marked)
                originals.emplace_back((*lists.paths)[member.path]);
        if (originals.empty())
            continue;
        for (const SetMember& member : set.members) {
            if (!member.marked || !(going = going && work.KeepGoing()))
                continue;
            const std::string path((*lists.paths)[member.path]);
            if (auto reason = ActIfCopyOfKept(path, originals, act))
                kept.push_back(std::move(*reason));
            else
                gone[member.path] = true;
        }
    }
    RemoveFiles(lists, gone);
    return kept;
}

} // namespace twinsweep
