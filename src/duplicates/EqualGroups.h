#pragma once
#include <algorithm>
#include <cstddef>
#include <vector>

namespace twinsweep {

// The groups of two or more items that `same` finds equal, each in the items' order.
template <class Same>
std::vector<std::vector<size_t>> EqualGroups(const std::vector<size_t>& items, Same same) {
    std::vector<std::vector<size_t>> groups;
    for (size_t item : items) {
        auto match = std::find_if(groups.begin(), groups.end(),
                                  [&](const auto& group) { return same(group[0], item); });
        if (match != groups.end())
            match->push_back(item);
        else
            groups.push_back({item});
    }
    std::erase_if(groups, [](const auto& group) { return group.size() < 2; });
    return groups;
}

} // namespace twinsweep
