#pragma once
// Byte strings kept once each: a string is stored the first time it is interned and is
// named by a small number from then on. The store only grows; a number and the view it
// gives stay valid for the store's life.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace twinsweep {

class PathStore {
public:
    using Id = uint32_t;

    PathStore() = default;
    PathStore(const PathStore&) = delete;
    PathStore& operator=(const PathStore&) = delete;

    // The number of `text`, storing it first when it is new.
    Id Intern(std::string_view text);
    std::string_view operator[](Id id) const { return texts_[id]; }
    size_t size() const { return texts_.size(); }

private:
    std::string_view Keep(std::string_view text);
    void Grow();

    static constexpr Id Free = UINT32_MAX;
    // Chunks grow from the first size to the last, so that a small store stays small.
    static constexpr size_t FirstChunkSize = 4096, LastChunkSize = 1 << 20;

    std::vector<std::unique_ptr<char[]>> chunks_;
    size_t chunkSize_ = FirstChunkSize / 2; // of the last chunk of the usual size
    char* chunkFree_ = nullptr;             // where the last chunk's room starts
    size_t chunkLeft_ = 0;
    std::vector<std::string_view> texts_;
    std::vector<Id> slots_; // open addressing over texts_, a power of two in length
};

} // namespace twinsweep
