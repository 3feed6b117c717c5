#include "ContentClasses.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <unordered_map>

#include "Classifier.h"
#include "ParallelSlices.h"

namespace twinsweep {

namespace classify {

constexpr int Alone = -1;

ContentClasses Classifier::Run() {
    Fill(stamps_, count_, FileStamp{});
    Fill(result_.classOf, count_, Alone);
    Fill(unreadable_, count_, char{0});
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
    for (size_t i = 0; i < count_; ++i)
        if (unreadable_[i])
            result_.unreadable.push_back(i);
    result_.file = std::move(stamps_);
    result_.bytesRead = bytesRead_;
    return std::move(result_);
}

void Classifier::Classify(const Candidates& set) {
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
void Classifier::NewClass(const std::vector<size_t>& members) {
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

void Classifier::NewClassOf(const std::vector<size_t>& unchanged) {
    if (unchanged.size() < 2)
        return;
    for (size_t i : unchanged)
        result_.classOf[i] = nextClass_;
    ++nextClass_;
}

// Opens a file of the set; it stays closed when it is not the file first seen there.
FileReader Classifier::Open(size_t i) {
    FileReader file = OpenNear(near_, i);
    if (!file.IsOpen())
        Unreadable(i);
    else if (!(file.Stamp() == stamps_[i]))
        file.Close();
    return file;
}

FileReader Classifier::OpenNear(NearFolder& near, size_t i) const {
    return twinsweep::OpenNear(near, pathOf_(i));
}

bool Classifier::ReadBlock(size_t i, int64_t offset, std::vector<char>& block) {
    FileReader file = Open(i);
    if (!file.IsOpen())
        return false;
    if (Read(file, offset, block.data(), block.size()))
        return true;
    ReadFailed(i, file);
    return false;
}

bool Classifier::Read(FileReader& file, int64_t offset, char* buffer, size_t length) {
    if (!file.ReadAt(offset, buffer, length))
        return false;
    Counted(static_cast<int64_t>(length));
    return true;
}

// Too many files to keep open: read one block of each in turn and split by its hash;
// a set whose hashes all agree is checked byte for byte against its first file.
void Classifier::Probe(const std::vector<size_t>& members, int64_t offset) {
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
void Classifier::ReadSideBySide(const std::vector<size_t>& members, int64_t offset) {
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
void Classifier::ReadOpenSideBySide(std::vector<FileReader>& files, const std::vector<size_t>& open,
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
    for (; offset < size && !groups.empty(); offset += static_cast<int64_t>(limits_.blockSize)) {
        const size_t length =
            static_cast<size_t>(std::min<int64_t>(limits_.blockSize, size - offset));
        std::vector<std::vector<size_t>> next;
        for (const auto& group : groups) {
            Check();
            Counted(SplitGroup(group, files, open, blocks, offset, length, next));
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
int64_t Classifier::SplitGroup(const std::vector<size_t>& group, std::vector<FileReader>& files,
                               const std::vector<size_t>& open,
                               std::vector<std::vector<char>>& blocks, int64_t offset,
                               size_t length, std::vector<std::vector<size_t>>& out) {
    // A few files are compared directly; many are first told apart by a hash.
    const bool fewFiles = group.size() <= 8;
    std::unordered_map<size_t, std::vector<std::vector<size_t>>> byHash;
    int64_t read = 0;
    for (size_t k : group) {
        if (!files[k].ReadAt(offset, blocks[k].data(), length)) {
            ReadFailed(open[k], files[k]);
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

} // namespace classify

std::optional<ContentClasses> ClassifyByContent(size_t count, const PathOf& pathOf,
                                                const LongWork& work, const ClassifyLimits& limits,
                                                std::atomic<int64_t>* bytesRead) {
    try {
        return classify::Classifier(count, pathOf, work, limits, bytesRead).Run();
    } catch (const classify::Cancelled&) {
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
