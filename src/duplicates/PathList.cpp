#include "PathList.h"

#include <charconv>

namespace twinsweep {

PathList& PathList::operator=(const TextLines& texts) {
    ids_.clear();
    ids_.reserve(texts.size());
    for (const std::string& text : texts)
        push_back(text);
    return *this;
}

void PathList::Exchange(size_t i, PathList& other, size_t j) {
    if (store_ == other.store_) {
        std::swap(ids_[i], other.ids_[j]);
        return;
    }
    const std::string mine((*this)[i]);
    ids_[i] = store_->Intern(other[j]);
    other.ids_[j] = other.store_->Intern(mine);
}

TextLines PathList::Texts() const {
    TextLines texts;
    texts.reserve(size());
    for (size_t i = 0; i < size(); ++i)
        texts.emplace_back((*this)[i]);
    return texts;
}

namespace {

template <class Entries> bool SameEntries(const PathList& list, const Entries& entries) {
    if (list.size() != entries.size())
        return false;
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i] != entries[i])
            return false;
    return true;
}

} // namespace

bool PathList::operator==(const PathList& other) const { return SameEntries(*this, other); }

bool PathList::operator==(const TextLines& texts) const { return SameEntries(*this, texts); }

void GroupList::push_back(std::string_view text) {
    int group = NoGroup;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), group);
    groups_.push_back(
        error == std::errc() && end == text.data() + text.size() && group >= 0 ? group : NoGroup);
}

GroupList& GroupList::operator=(const TextLines& texts) {
    groups_.clear();
    groups_.reserve(texts.size());
    for (const std::string& text : texts)
        push_back(text);
    return *this;
}

TextLines GroupList::Texts() const {
    TextLines texts;
    texts.reserve(size());
    for (size_t i = 0; i < size(); ++i)
        texts.push_back(Text(i));
    return texts;
}

bool GroupList::operator==(const TextLines& texts) const { return Texts() == texts; }

} // namespace twinsweep
