#pragma once
// The classifier behind ClassifyByContent. Its first reading of every file is in
// FirstSight.cpp; the narrowing of the sets that reading leaves is in ContentClasses.cpp.
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <vector>

#include "ContentClasses.h"
#include "NearFolder.h"

namespace twinsweep::classify {

struct Cancelled {};

// Files of one size that are equal up to `offset`.
struct Candidates {
    std::vector<size_t> members;
    int64_t offset = 0;
};

class Classifier {
public:
    Classifier(size_t count, const PathOf& pathOf, const LongWork& work,
               const ClassifyLimits& limits, std::atomic<int64_t>* liveRead)
        : count_(count), pathOf_(pathOf), work_(work), limits_(limits), liveRead_(liveRead) {}

    ContentClasses Run();

private:
    // Reads are counted as they are made, on any thread.
    void Counted(int64_t bytes) {
        bytesRead_.fetch_add(bytes, std::memory_order_relaxed);
        if (liveRead_)
            liveRead_->fetch_add(bytes, std::memory_order_relaxed);
    }

    // Each file is marked by the one thread that reads it.
    void Unreadable(size_t i) { unreadable_[i] = 1; }
    // A read of an open file failed: unreadable, unless it changed (a file cut short).
    void ReadFailed(size_t i, const FileReader& file) {
        if (file.Unchanged())
            Unreadable(i);
    }

    // Asked between slices of work shared among threads; once it says no, the threads leave
    // their slices unfinished.
    bool Going() {
        if (work_.KeepGoing())
            return true;
        stopping_ = true;
        return false;
    }

    void Check() {
        if (!work_.KeepGoing())
            throw Cancelled{};
    }

    // A table of one entry per file is filled a slice at a time, answering between slices:
    // on some machines the first touch of a million entries' memory takes a fifth of a
    // second.
    template <class T> void Fill(std::vector<T>& items, size_t count, const T& value) {
        constexpr size_t Slice = 1 << 16;
        items.reserve(count);
        while (items.size() < count) {
            Check();
            items.resize(std::min(count, items.size() + Slice), value);
        }
    }

    void Classify(const Candidates& set);
    void NewClass(const std::vector<size_t>& members);
    void NewClassOf(const std::vector<size_t>& unchanged);
    FileReader Open(size_t i);
    FileReader OpenNear(NearFolder& near, size_t i) const;
    bool ReadBlock(size_t i, int64_t offset, std::vector<char>& block);
    bool Read(FileReader& file, int64_t offset, char* buffer, size_t length);

    // The first reading of every file.
    void ReadRunSideBySide();
    void FirstSight();
    void ReadAgainSideBySide(const std::vector<std::vector<size_t>>& sets);
    template <class Key> void SortAnswering(std::vector<Key>& keys);
    void SplitKept(const std::vector<size_t>& set, const char* contents, size_t slot);

    // The narrowing of the sets it leaves.
    void Probe(const std::vector<size_t>& members, int64_t offset);
    void ReadSideBySide(const std::vector<size_t>& members, int64_t offset);
    void ReadOpenSideBySide(std::vector<FileReader>& files, const std::vector<size_t>& open,
                            int64_t offset);
    int64_t SplitGroup(const std::vector<size_t>& group, std::vector<FileReader>& files,
                       const std::vector<size_t>& open, std::vector<std::vector<char>>& blocks,
                       int64_t offset, size_t length, std::vector<std::vector<size_t>>& out);

    size_t count_;
    const PathOf& pathOf_;
    const LongWork& work_;
    ClassifyLimits limits_;
    std::atomic<int64_t>* liveRead_;
    std::vector<FileStamp> stamps_;
    std::vector<char> unreadable_;
    NearFolder near_;
    std::vector<Candidates> pending_;
    // The probe's two buffers, shared by every set.
    std::vector<char> block_, first_;
    ContentClasses result_;
    int nextClass_ = 0;
    std::atomic<int64_t> bytesRead_{0};
    std::atomic<bool> stopping_{false};
};

} // namespace twinsweep::classify
