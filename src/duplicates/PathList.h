#pragma once
// The entries of a result list: numbers of paths in a store that the lists of one result
// share, so that a path listed many times is kept once and an entry costs four bytes.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "PathStore.h"
#include "TextLines.h"

namespace twinsweep {

class PathList {
public:
    // A list and its store go together: a copy or a move shares the other list's store, so
    // lists that share a store (those of one result) still share one once assigned as a whole.
    explicit PathList(std::shared_ptr<PathStore> store) : store_(std::move(store)) {}
    PathList& operator=(const TextLines& texts);

    size_t size() const { return ids_.size(); }
    bool empty() const { return ids_.empty(); }
    // const, so that assigning to an entry does not compile: Set() changes one.
    const std::string_view operator[](size_t i) const { return (*store_)[ids_[i]]; }
    std::string_view back() const { return (*store_)[ids_.back()]; }
    PathStore::Id IdAt(size_t i) const { return ids_[i]; }
    const PathStore& Store() const { return *store_; }
    bool Uses(const std::shared_ptr<PathStore>& store) const { return store_ == store; }

    void push_back(std::string_view path) { ids_.push_back(store_->Intern(path)); }
    void Set(size_t i, std::string_view path) { ids_[i] = store_->Intern(path); }
    void PushId(PathStore::Id id) { ids_.push_back(id); }
    void SetId(size_t i, PathStore::Id id) { ids_[i] = id; }
    void erase(size_t i) { ids_.erase(ids_.begin() + static_cast<std::ptrdiff_t>(i)); }
    void clear() { ids_.clear(); }
    void reserve(size_t n) { ids_.reserve(n); }
    size_t capacity() const { return ids_.capacity(); }

    // Exchanges entry i with entry j of `other`.
    void Exchange(size_t i, PathList& other, size_t j);
    TextLines Texts() const;

    bool operator==(const PathList& other) const;
    bool operator==(const TextLines& texts) const;

private:
    std::shared_ptr<PathStore> store_;
    std::vector<PathStore::Id> ids_;
};

// The group of each duplicate, parallel to its list: a reference's position, or NoGroup.
class GroupList {
public:
    static constexpr int NoGroup = -1;

    size_t size() const { return groups_.size(); }
    bool empty() const { return groups_.empty(); }
    int operator[](size_t i) const { return groups_[i]; }
    int& operator[](size_t i) { return groups_[i]; }

    void push_back(int group) { groups_.push_back(group); }
    // A text that is no decimal number of a group gives NoGroup.
    void push_back(std::string_view text);
    GroupList& operator=(const TextLines& texts);
    void erase(size_t i) { groups_.erase(groups_.begin() + static_cast<std::ptrdiff_t>(i)); }
    void clear() { groups_.clear(); }
    void reserve(size_t n) { groups_.reserve(n); }
    size_t capacity() const { return groups_.capacity(); }
    auto begin() { return groups_.begin(); }
    auto end() { return groups_.end(); }
    auto begin() const { return groups_.begin(); }
    auto end() const { return groups_.end(); }

    // The entry as decimal text.
    std::string Text(size_t i) const { return std::to_string(groups_[i]); }
    TextLines Texts() const;

    bool operator==(const GroupList& other) const = default;
    bool operator==(const TextLines& texts) const;

private:
    std::vector<int> groups_;
};

} // namespace twinsweep
