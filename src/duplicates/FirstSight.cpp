// The first reading of every file of the run, which leaves the sets still to narrow down.
#include <algorithm>
#include <atomic>
#include <cstring>
#include <map>
#include <memory>
#include <numeric>
#include <string_view>
#include <tuple>

#include "Classifier.h"
#include "EqualGroups.h"
#include "ParallelSlices.h"

namespace twinsweep::classify {

namespace {

// What the first reading of a file found.
struct Sight {
    bool read = false;
    bool kept = false; // its whole content is in the run's content buffer
    size_t hash = 0;   // of its first bytes
};

} // namespace

// Few files: all are opened at once and those of one length read side by side.
void Classifier::ReadRunSideBySide() {
    std::map<int64_t, std::pair<std::vector<FileReader>, std::vector<size_t>>> bySize;
    for (size_t i = 0; i < count_; ++i) {
        Check();
        FileReader file = OpenNear(near_, i);
        if (!file.IsOpen()) {
            Unreadable(i);
            continue;
        }
        stamps_[i] = file.Stamp();
        file.WillRead(0, limits_.blockSize);
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
void Classifier::FirstSight() {
    FileStamp first;
    const int64_t expected = StampOfPath(pathOf_(0), first) ? first.size : 0;
    const size_t slot = static_cast<size_t>(
        std::clamp<int64_t>(expected, 1, static_cast<int64_t>(limits_.firstProbe)));
    const bool keep = limits_.KeptWhole(count_, expected);
    // Kept files are read whole; of the others only a glimpse is taken.
    const size_t glimpse = keep ? slot : limits_.Glimpse();
    std::unique_ptr<char[]> contents(keep ? new char[count_ * slot] : nullptr);
    std::vector<Sight> sights;
    Fill(sights, count_, Sight{});
    // A thread opens a slice's files and asks for all their first bytes before it reads
    // any: a cold disk then has many requests to serve at once rather than one by one.
    const size_t slice = std::min<size_t>(64, limits_.maxOpenFiles);
    const bool done = ForSlices(
        count_, slice,
        [&](size_t begin, size_t end) {
            NearFolder near;
            std::vector<FileReader> files;
            files.reserve(end - begin);
            for (size_t i = begin; i < end; ++i) {
                files.push_back(OpenNear(near, i));
                FileReader& file = files.back();
                if (!file.IsOpen()) {
                    Unreadable(i);
                    continue;
                }
                stamps_[i] = file.Stamp();
                file.WillRead(0, glimpse);
            }
            std::vector<char> buffer(glimpse);
            for (size_t i = begin; i < end && !stopping_; ++i) {
                FileReader& file = files[i - begin];
                if (!file.IsOpen())
                    continue;
                const bool whole = keep && file.Size() <= static_cast<int64_t>(slot);
                const size_t length = static_cast<size_t>(
                    std::min<int64_t>(file.Size(), static_cast<int64_t>(glimpse)));
                char* at = whole ? contents.get() + i * slot : buffer.data();
                if (!file.ReadAt(0, at, length)) {
                    ReadFailed(i, file);
                    continue;
                }
                Counted(static_cast<int64_t>(length));
                // Kept contents are compared whole later: their first bytes sort them.
                const size_t hashed = std::min<size_t>(length, 4096);
                sights[i] = {true, whole, std::hash<std::string_view>{}({at, hashed})};
            }
        },
        [this] { return Going(); });
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
void Classifier::ReadAgainSideBySide(const std::vector<std::vector<size_t>>& sets) {
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
                    if (!file.IsOpen()) {
                        Unreadable(i);
                        continue;
                    }
                    if (!(file.Stamp() == stamps_[i]))
                        continue; // changed since its first reading
                    if (!file.ReadAt(0, data.data() + files.size() * length, length)) {
                        ReadFailed(i, file);
                        continue;
                    }
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
template <class Key> void Classifier::SortAnswering(std::vector<Key>& keys) {
    constexpr size_t Slice = 1 << 16;
    const auto at = [&](size_t i) { return keys.begin() + static_cast<std::ptrdiff_t>(i); };
    if (!ForSlices(
            keys.size(), Slice, [&](size_t begin, size_t end) { std::sort(at(begin), at(end)); },
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
void Classifier::SplitKept(const std::vector<size_t>& set, const char* contents, size_t slot) {
    const size_t length = static_cast<size_t>(stamps_[set[0]].size);
    for (const auto& members : EqualGroups(set, [&](size_t a, size_t b) {
             return std::memcmp(contents + a * slot, contents + b * slot, length) == 0;
         }))
        NewClass(members);
}

} // namespace twinsweep::classify
