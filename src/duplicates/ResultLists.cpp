#include "ResultLists.h"

#include <algorithm>

#include "Conversions.h"
#include "Errors.h"

namespace twinsweep {

namespace {

void Process(const ProcessMessages& processMessages) {
    if (processMessages)
        processMessages();
}

void CheckIndex(const TextLines& list, int index) {
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

void SelectGroup(ResultLists& lists, const ProcessMessages& processMessages) {
    if (lists.LBB1.empty())
        return;
    for (size_t i = 0; i < lists.LBB2.size(); ++i) {
        Process(processMessages);
        lists.SetSelected(i, false);
    }
    for (size_t i = 0; i < lists.LL1.size() && i < lists.LBB2.size(); ++i) {
        Process(processMessages);
        const auto group = TryStrToInt(lists.LL1[i]);
        if (group && *group == lists.current1 && lists.current1 >= 0)
            lists.SetSelected(i, true);
    }
}

void FollowUp(ResultLists& lists) {
    if (lists.current2 < 0 || static_cast<size_t>(lists.current2) >= lists.LL1.size())
        return;
    const auto group = TryStrToInt(lists.LL1[static_cast<size_t>(lists.current2)]);
    if (group && *group >= 0 && static_cast<size_t>(*group) < lists.LBB1.size())
        lists.current1 = *group;
}

const std::string& CurrentEntry(const TextLines& list, int current) {
    CheckIndex(list, current);
    return list[static_cast<size_t>(current)];
}

void SwapReferenceAndDuplicate(ResultLists& lists) {
    CheckIndex(lists.LBB1, lists.current1);
    CheckIndex(lists.LBB2, lists.current2);
    std::swap(lists.LBB1[static_cast<size_t>(lists.current1)], lists.LBB2[static_cast<size_t>(lists.current2)]);
}

void RemoveGroup(ResultLists& lists, int g) {
    CheckIndex(lists.LBB1, g);
    lists.LBB1.erase(lists.LBB1.begin() + g);
    for (std::string& entry : lists.LL1)
        if (const auto group = TryStrToInt(entry); group && *group > g)
            entry = std::to_string(*group - 1);
    if (lists.current1 >= static_cast<int>(lists.LBB1.size()))
        lists.current1 = static_cast<int>(lists.LBB1.size()) - 1;
}

void DeleteSelectedDuplicates(ResultLists& lists, const std::function<bool(const std::string&)>& moveToTrash,
                              const ProcessMessages& processMessages) {
    if (lists.LBB1.empty())
        return;
    const int g = lists.current1;
    // The files to move are those selected when the user confirmed.
    const std::vector<bool> chosen = [&] {
        std::vector<bool> snapshot(lists.LBB2.size());
        for (size_t i = 0; i < snapshot.size(); ++i)
            snapshot[i] = lists.IsSelected(i);
        return snapshot;
    }();
    for (size_t i = chosen.size(); i-- > 0;) {
        Process(processMessages);
        if (!chosen[i])
            continue;
        moveToTrash(lists.LBB2[i]);
        lists.LBB2.erase(lists.LBB2.begin() + static_cast<std::ptrdiff_t>(i));
        if (i < lists.LL1.size())
            lists.LL1.erase(lists.LL1.begin() + static_cast<std::ptrdiff_t>(i));
        if (i < lists.selected2.size())
            lists.selected2.erase(lists.selected2.begin() + static_cast<std::ptrdiff_t>(i));
    }
    lists.current2 = -1;
    SelectGroup(lists, processMessages);
    if (lists.AnySelected())
        return;
    if (g >= 0 && static_cast<size_t>(g) < lists.LBB1.size())
        RemoveGroup(lists, g);
    while (!lists.LBB1.empty()) {
        Process(processMessages);
        lists.current1 = 0;
        SelectGroup(lists, processMessages);
        if (lists.AnySelected())
            return;
        RemoveGroup(lists, 0);
    }
    lists.current1 = -1;
}

} // namespace twinsweep
