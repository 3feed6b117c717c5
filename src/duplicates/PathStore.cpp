#include "PathStore.h"

#include <cstring>
#include <functional>
#include <stdexcept>

namespace twinsweep {

namespace {

size_t HashOf(std::string_view text) { return std::hash<std::string_view>{}(text); }

} // namespace

PathStore::Id PathStore::Intern(std::string_view text) {
    if (texts_.size() * 2 >= slots_.size())
        Grow();
    const size_t mask = slots_.size() - 1;
    for (size_t slot = HashOf(text) & mask;; slot = (slot + 1) & mask) {
        const Id id = slots_[slot];
        if (id == Free) {
            if (texts_.size() >= Free)
                throw std::length_error("too many paths");
            slots_[slot] = static_cast<Id>(texts_.size());
            texts_.push_back(Keep(text));
            return slots_[slot];
        }
        if (texts_[id] == text)
            return id;
    }
}

// Copies the bytes into a chunk; a long text gets a chunk of its own. Chunks never move,
// so the views handed out stay valid.
std::string_view PathStore::Keep(std::string_view text) {
    if (text.empty())
        return {};
    if (text.size() > chunkLeft_) {
        chunkSize_ = std::min(LastChunkSize, chunkSize_ * 2);
        const size_t size = std::max(chunkSize_, text.size());
        chunks_.push_back(std::make_unique_for_overwrite<char[]>(size));
        chunkFree_ = chunks_.back().get();
        chunkLeft_ = size;
    }
    char* at = chunkFree_;
    std::memcpy(at, text.data(), text.size());
    chunkFree_ += text.size();
    chunkLeft_ -= text.size();
    return {at, text.size()};
}

void PathStore::Grow() {
    slots_.assign(std::max<size_t>(64, slots_.size() * 2), Free);
    const size_t mask = slots_.size() - 1;
    for (Id id = 0; id < texts_.size(); ++id) {
        size_t slot = HashOf(texts_[id]) & mask;
        while (slots_[slot] != Free)
            slot = (slot + 1) & mask;
        slots_[slot] = id;
    }
}

} // namespace twinsweep
