#include "ContentClasses.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <memory>
#include <numeric>
#include <string_view>
#include <tuple>
#include <unordered_map>

#include "EqualGroups.h"
#include "NearFolder.h"
#include "ParallelSlices.h"

namespace twinsweep {

namespace {

constexpr int Alone = -1;

struct Cancelled {};

// Files of one size that are equal up to `offset`.
struct Candidates {
    std::vector<size_t> members;
    int64_t offset = 0;
};

// What the first reading of a file found.
struct Sight {
    bool read = false;
    bool kept = false; // its whole content is in the run's content buffer
    size_t hash = 0;   // of its first bytes
};

class Classifier {
public:
    Classifier(size_t count, const PathOf& pathOf, const LongWork& work,
               const ClassifyLimits& limits, std::atomic<int64_t>* liveRead)
        : count_(count), pathOf_(pathOf), work_(work), limits_(limits), liveRead_(liveRead) {}

    ContentClasses Run() {
        Fill(stamps_, count_, FileStamp{});
        Fill(result_.classOf, count_, Alone);
        // Every file is opened once first; the stamp taken then is what every later
        // reading of the file must find again. A few files are read side by side at once;
        // many are first told apart by their first bytes, read on several threads.
        if (count_ <= limits_.maxOpenFiles)
            ReadRunSideBySide();
        else
            FirstSight();
        // Sets still to sort out wait here rather than on the call stack: a deep chain of
        // splits costs neither stack nor a buffer per level.
        while (!pending_.empty()) {
            Candidates next = std::move(pending_.back());
            pending_.pop_back();
            Classify(next);
        }
        result_.file = std::move(stamps_);
        result_.bytesRead = bytesRead_;
        return std::move(result_);
    }

private:
    // Reads are counted as they are made, on any thread.
    void Counted(int64_t bytes) {
        bytesRead_.fetch_add(bytes, std::memory_order_relaxed);
        if (liveRead_)
            liveRead_->fetch_add(bytes, std::memory_order_relaxed);
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

    void Classify(const Candidates& set) {
        if (set.members.size() < 2)
            return;
        if (set.offset >= stamps_[set.members[0]].size)
            NewClass(set.members);
        else if (set.members.size() <= limits_.maxOpenFiles)
            ReadSideBySide(set.members, set.offset);
        else
            Probe(set.members, set.offset);
    }

    // Files read to their end form a class, but only those that still hold what was read:
    // a file that changed meanwhile is no duplicate of anything. Files no longer open are
    // looked up again by their path.
    void NewClass(const std::vector<size_t>& members) {
        std::vector<char> unchanged(members.size(), 0);
        const bool done = ForSlices(
            members.size(), 128,
            [&](size_t begin, size_t end) {
                for (size_t k = begin; k < end; ++k) {
                    FileStamp now;
                    const size_t i = members[k];
                    unchanged[k] = StampOfPath(pathOf_(i), now) && now == stamps_[i];
                }
            },
            [this] { return work_.KeepGoing(); });
        if (!done)
            throw Cancelled{};
        std::vector<size_t> same;
        for (size_t k = 0; k < members.size(); ++k)
            if (unchanged[k])
                same.push_back(members[k]);
        NewClassOf(same);
    }

    void NewClassOf(const std::vector<size_t>& unchanged) {
        if (unchanged.size() < 2)
            return;
        for (size_t i : unchanged)
            result_.classOf[i] = nextClass_;
        ++nextClass_;
    }

    // Opens a file of the set; it stays closed when it is not the file first seen there.
    FileReader Open(size_t i) {
        FileReader file = OpenNear(near_, i);
        if (file.IsOpen() && !(file.Stamp() == stamps_[i]))
            file.Close();
        return file;
    }

    FileReader OpenNear(NearFolder& near, size_t i) const {
        const char* name = nullptr;
        const std::string path = pathOf_(i);
        const int folder = near.Of(path, name);
        return folder == AT_FDCWD ? FileReader(path) : FileReader(folder, name);
    }

    bool ReadBlock(size_t i, int64_t offset, std::vector<char>& block) {
        FileReader file = Open(i);
        return file.IsOpen() && Read(file, offset, block.data(), block.size());
    }

    bool Read(FileReader& file, int64_t offset, char* buffer, size_t length) {
        if (!file.ReadAt(offset, buffer, length))
            return false;
        Counted(static_cast<int64_t>(length));
        return true;
    }

    // Few files: all are opened at once and those of one length read side by side.
    void ReadRunSideBySide() {
        std::map<int64_t, std::pair<std::vector<FileReader>, std::vector<size_t>>> bySize;
        for (size_t i = 0; i < count_; ++i) {
            Check();
            FileReader file = OpenNear(near_, i);
            if (!file.IsOpen())
                continue;
            stamps_[i] = file.Stamp();
            auto& [files, open] = bySize[file.Size()];
            files.push_back(std::move(file));
            open.push_back(i);
        }
        for (auto& [size, set] : bySize)
            if (set.first.size() > 1)
                ReadOpenSideBySide(set.first, set.second, 0);
    }

    // Many files: each is opened and its first bytes read, on several threads. Files of
    // one length whose first bytes hash alike are candidates; when the whole content of
    // every file fits in memory, those are compared there and each file is read once.
    void FirstSight() {
        FileStamp first;
        const int64_t expected = StampOfPath(pathOf_(0), first) ? first.size : 0;
        const size_t slot = static_cast<size_t>(
            std::clamp<int64_t>(expected, 1, static_cast<int64_t>(limits_.firstProbe)));
        const bool keep = expected <= static_cast<int64_t>(limits_.firstProbe) &&
                          count_ * slot <= limits_.contentBudget;
        // Kept files are read whole; of the others only a glimpse is taken.
        const size_t glimpse = keep ? slot : std::min(limits_.firstProbe, size_t{4096});
        std::unique_ptr<char[]> contents(keep ? new char[count_ * slot] : nullptr);
        std::vector<Sight> sights;
        Fill(sights, count_, Sight{});
        const bool done = ForSlices(
            count_, 64,
            [&](size_t begin, size_t end) {
                NearFolder near;
                std::vector<char> buffer(glimpse);
                for (size_t i = begin; i < end; ++i) {
                    FileReader file = OpenNear(near, i);
                    if (!file.IsOpen())
                        continue;
                    stamps_[i] = file.Stamp();
                    const bool whole = keep && file.Size() <= static_cast<int64_t>(slot);
                    const size_t length = static_cast<size_t>(
                        std::min<int64_t>(file.Size(), static_cast<int64_t>(glimpse)));
                    char* at = whole ? contents.get() + i * slot : buffer.data();
                    if (!file.ReadAt(0, at, length))
                        continue;
                    Counted(static_cast<int64_t>(length));
                    // Kept contents are compared whole later: their first bytes sort them.
                    const size_t hashed = std::min<size_t>(length, 4096);
                    sights[i] = {true, whole, std::hash<std::string_view>{}({at, hashed})};
                }
            },
            [this] { return work_.KeepGoing(); });
        if (!done)
            throw Cancelled{};
        // Files of one length and hash, in a fixed order.
        std::vector<std::tuple<int64_t, size_t, size_t>> keyed; // length, hash, file
        for (size_t i = 0; i < count_; ++i)
            if (sights[i].read)
                keyed.emplace_back(stamps_[i].size, sights[i].hash, i);
        SortAnswering(keyed);
        std::vector<size_t> order;
        order.reserve(keyed.size());
        for (const auto& entry : keyed)
            order.push_back(std::get<2>(entry));
        keyed = {};
        const auto key = [&](size_t i) { return std::make_pair(stamps_[i].size, sights[i].hash); };
        std::vector<std::vector<size_t>> glimpsedWhole;
        for (size_t from = 0, to; from < order.size(); from = to) {
            Check();
            for (to = from + 1; to < order.size() && key(order[to]) == key(order[from]);)
                ++to;
            if (to - from < 2)
                continue;
            std::vector<size_t> set(order.begin() + static_cast<std::ptrdiff_t>(from),
                                    order.begin() + static_cast<std::ptrdiff_t>(to));
            const bool allKept =
                std::all_of(set.begin(), set.end(), [&](size_t i) { return sights[i].kept; });
            if (allKept)
                SplitKept(set, contents.get(), slot);
            else if (stamps_[set[0]].size <= static_cast<int64_t>(glimpse) &&
                     set.size() <= limits_.maxOpenFiles)
                glimpsedWhole.push_back(std::move(set));
            else
                pending_.push_back({std::move(set), 0});
        }
        ReadAgainSideBySide(glimpsedWhole);
    }

    // Sets of small files whose hashes agree, each read again and compared on one of
    // several threads; a class keeps the files still unchanged once compared.
    void ReadAgainSideBySide(const std::vector<std::vector<size_t>>& sets) {
        if (sets.empty())
            return;
        std::vector<std::vector<std::vector<size_t>>> found(sets.size());
        const bool done = ForSlices(
            sets.size(), 16,
            [&](size_t begin, size_t end) {
                NearFolder near;
                std::vector<char> data;
                for (size_t s = begin; s < end; ++s) {
                    const size_t length = static_cast<size_t>(stamps_[sets[s][0]].size);
                    data.resize(std::max<size_t>(1, sets[s].size() * length));
                    std::vector<FileReader> files;
                    std::vector<size_t> open;
                    for (size_t i : sets[s]) {
                        FileReader file = OpenNear(near, i);
                        if (!file.IsOpen() || !(file.Stamp() == stamps_[i]) ||
                            !file.ReadAt(0, data.data() + files.size() * length, length))
                            continue;
                        Counted(static_cast<int64_t>(length));
                        files.push_back(std::move(file));
                        open.push_back(i);
                    }
                    std::vector<size_t> positions(files.size());
                    std::iota(positions.begin(), positions.end(), size_t{0});
                    for (const auto& same : EqualGroups(positions, [&](size_t a, size_t b) {
                             return std::memcmp(data.data() + a * length, data.data() + b * length,
                                                length) == 0;
                         })) {
                        std::vector<size_t> unchanged;
                        for (size_t k : same)
                            if (files[k].Unchanged())
                                unchanged.push_back(open[k]);
                        found[s].push_back(std::move(unchanged));
                    }
                }
            },
            [this] { return work_.KeepGoing(); });
        if (!done)
            throw Cancelled{};
        for (const auto& classes : found)
            for (const auto& members : classes)
                NewClassOf(members);
    }

    // Sorts a million keys in slices on several threads, then merges them, so that a
    // cancel is answered between steps rather than after the whole sort.
    template <class Key> void SortAnswering(std::vector<Key>& keys) {
        constexpr size_t Slice = 1 << 16;
        const auto at = [&](size_t i) { return keys.begin() + static_cast<std::ptrdiff_t>(i); };
        if (!ForSlices(
                keys.size(), Slice,
                [&](size_t begin, size_t end) { std::sort(at(begin), at(end)); },
                [this] { return work_.KeepGoing(); }))
            throw Cancelled{};
        for (size_t width = Slice; width < keys.size(); width *= 2)
            for (size_t low = 0; low + width < keys.size(); low += 2 * width) {
                Check();
                std::inplace_merge(at(low), at(low + width),
                                   at(std::min(low + 2 * width, keys.size())));
            }
    }

    // Files whose whole content is in memory: those of equal bytes form a class.
    void SplitKept(const std::vector<size_t>& set, const char* contents, size_t slot) {
        const size_t length = static_cast<size_t>(stamps_[set[0]].size);
        for (const auto& members : EqualGroups(set, [&](size_t a, size_t b) {
                 return std::memcmp(contents + a * slot, contents + b * slot, length) == 0;
             }))
            NewClass(members);
    }

    // Too many files to keep open: read one block of each in turn and split by its hash;
    // a set whose hashes all agree is checked byte for byte against its first file.
    void Probe(const std::vector<size_t>& members, int64_t offset) {
        const int64_t size = stamps_[members[0]].size;
        const size_t length = static_cast<size_t>(std::min<int64_t>(
            size - offset, std::clamp<int64_t>(offset, static_cast<int64_t>(limits_.firstProbe),
                                               static_cast<int64_t>(limits_.largestProbe))));
        block_.resize(length);
        std::unordered_map<size_t, std::vector<size_t>> byHash;
        for (size_t i : members) {
            Check();
            if (ReadBlock(i, offset, block_))
                byHash[std::hash<std::string_view>{}({block_.data(), length})].push_back(i);
        }
        std::vector<std::vector<size_t>> buckets;
        for (auto& [hash, bucket] : byHash)
            if (bucket.size() > 1)
                buckets.push_back(std::move(bucket));
        std::sort(buckets.begin(), buckets.end()); // a fixed order, whatever the hash table's
        for (auto& bucket : buckets) {
            if (bucket.size() < members.size()) {
                pending_.push_back({std::move(bucket), offset});
                continue;
            }
            first_.resize(length);
            if (!ReadBlock(bucket[0], offset, first_)) {
                pending_.push_back({{bucket.begin() + 1, bucket.end()}, offset});
                continue;
            }
            std::vector<size_t> same{bucket[0]}, different;
            for (size_t k = 1; k < bucket.size(); ++k) {
                Check();
                if (!ReadBlock(bucket[k], offset, block_))
                    continue;
                (std::memcmp(block_.data(), first_.data(), length) == 0 ? same : different)
                    .push_back(bucket[k]);
            }
            pending_.push_back({std::move(different), offset});
            pending_.push_back({std::move(same), offset + static_cast<int64_t>(length)});
        }
    }

    // Few enough files to keep open: read them in rounds of one block each, splitting the
    // groups where blocks differ; a file left alone in its group is read no further.
    void ReadSideBySide(const std::vector<size_t>& members, int64_t offset) {
        std::vector<FileReader> files;
        std::vector<size_t> open;
        for (size_t i : members) {
            FileReader file = Open(i);
            if (file.IsOpen()) {
                files.push_back(std::move(file));
                open.push_back(i);
            }
        }
        ReadOpenSideBySide(files, open, offset);
    }

    // The same for files already open, all of one length: files[k] is the path open[k].
    void ReadOpenSideBySide(std::vector<FileReader>& files, const std::vector<size_t>& open,
                            int64_t offset) {
        if (files.empty())
            return;
        const int64_t size = files[0].Size();
        // Groups hold positions in `files`.
        std::vector<std::vector<size_t>> groups(1);
        for (size_t k = 0; k < files.size(); ++k)
            groups[0].push_back(k);
        const size_t bufferSize =
            static_cast<size_t>(std::min<int64_t>(limits_.blockSize, size - offset));
        std::vector<std::vector<char>> blocks(files.size(), std::vector<char>(bufferSize));
        for (; offset < size && !groups.empty();
             offset += static_cast<int64_t>(limits_.blockSize)) {
            const size_t length =
                static_cast<size_t>(std::min<int64_t>(limits_.blockSize, size - offset));
            std::vector<std::vector<size_t>> next;
            for (const auto& group : groups) {
                Check();
                Counted(SplitGroup(group, files, blocks, offset, length, next));
            }
            groups = std::move(next);
        }
        // The files are still open: their descriptors tell whether they changed. A file
        // replaced under its name changed too, since losing its name changes its status.
        for (const auto& group : groups) {
            std::vector<size_t> same;
            for (size_t k : group)
                if (files[k].Unchanged())
                    same.push_back(open[k]);
            NewClassOf(same);
        }
    }

    // Reads one block of every file of the group and appends the groups of equal blocks
    // that still have two files or more; returns the bytes read.
    static int64_t SplitGroup(const std::vector<size_t>& group, std::vector<FileReader>& files,
                              std::vector<std::vector<char>>& blocks, int64_t offset, size_t length,
                              std::vector<std::vector<size_t>>& out) {
        // A few files are compared directly; many are first told apart by a hash.
        const bool fewFiles = group.size() <= 8;
        std::unordered_map<size_t, std::vector<std::vector<size_t>>> byHash;
        int64_t read = 0;
        for (size_t k : group) {
            if (!files[k].ReadAt(offset, blocks[k].data(), length)) {
                files[k].Close(); // unreadable now: different from everything
                continue;
            }
            read += static_cast<int64_t>(length);
            auto& candidates =
                byHash[fewFiles ? 0 : std::hash<std::string_view>{}({blocks[k].data(), length})];
            auto same = std::find_if(candidates.begin(), candidates.end(), [&](const auto& g) {
                return std::memcmp(blocks[g[0]].data(), blocks[k].data(), length) == 0;
            });
            if (same != candidates.end())
                same->push_back(k);
            else
                candidates.push_back({k});
        }
        std::vector<std::vector<size_t>> split;
        for (auto& [hash, candidates] : byHash)
            for (auto& g : candidates) {
                if (g.size() > 1)
                    split.push_back(std::move(g));
                else
                    files[g[0]].Close();
            }
        std::sort(split.begin(), split.end());
        for (auto& g : split)
            out.push_back(std::move(g));
        return read;
    }

    size_t count_;
    const PathOf& pathOf_;
    const LongWork& work_;
    ClassifyLimits limits_;
    std::atomic<int64_t>* liveRead_;
    std::vector<FileStamp> stamps_;
    NearFolder near_;
    std::vector<Candidates> pending_;
    // The probe's two buffers, shared by every set.
    std::vector<char> block_, first_;
    ContentClasses result_;
    int nextClass_ = 0;
    std::atomic<int64_t> bytesRead_{0};
};

} // namespace

std::optional<ContentClasses> ClassifyByContent(size_t count, const PathOf& pathOf,
                                                const LongWork& work, const ClassifyLimits& limits,
                                                std::atomic<int64_t>* bytesRead) {
    try {
        return Classifier(count, pathOf, work, limits, bytesRead).Run();
    } catch (const Cancelled&) {
        return std::nullopt;
    }
}

std::optional<ContentClasses> ClassifyByContent(const std::vector<std::string>& paths,
                                                const LongWork& work,
                                                const ClassifyLimits& limits) {
    return ClassifyByContent(
        paths.size(), [&](size_t i) { return paths[i]; }, work, limits);
}

} // namespace twinsweep
