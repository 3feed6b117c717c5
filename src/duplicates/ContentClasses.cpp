#include "ContentClasses.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string_view>
#include <sys/stat.h>
#include <unordered_map>

#include "FileReader.h"

namespace twinsweep {

namespace {

constexpr int Alone = -1;

struct Cancelled {};

class Classifier {
public:
    Classifier(const std::vector<std::string>& paths, const std::function<bool()>& keepGoing,
               const ClassifyLimits& limits)
        : paths_(paths), keepGoing_(keepGoing), limits_(limits), classes_(paths.size(), Alone),
          sizes_(paths.size(), -1) {}

    std::vector<int> Run() {
        // Files of different lengths never match: split by the length on disk first.
        std::map<int64_t, std::vector<size_t>> bySize;
        for (size_t i = 0; i < paths_.size(); ++i) {
            Check();
            struct stat info {};
            if (::lstat(paths_[i].c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
                sizes_[i] = info.st_size;
                bySize[info.st_size].push_back(i);
            }
        }
        for (auto& [size, members] : bySize)
            if (members.size() > 1)
                Classify(members, 0);
        return classes_;
    }

private:
    void Check() {
        if (keepGoing_ && !keepGoing_())
            throw Cancelled{};
    }

    // All members are equal up to `offset`; sort them out from there on.
    void Classify(const std::vector<size_t>& members, int64_t offset) {
        if (members.size() < 2)
            return;
        if (offset >= sizes_[members[0]]) {
            NewClass(members);
            return;
        }
        if (members.size() <= limits_.maxOpenFiles)
            ReadSideBySide(members, offset);
        else
            Probe(members, offset);
    }

    void NewClass(const std::vector<size_t>& members) {
        for (size_t i : members)
            classes_[i] = nextClass_;
        ++nextClass_;
    }

    // Too many files to keep open: read one block of each in turn and split by its hash;
    // a set whose hashes all agree is checked byte for byte against its first file.
    void Probe(const std::vector<size_t>& members, int64_t offset) {
        const int64_t size = sizes_[members[0]];
        const size_t length = static_cast<size_t>(std::min<int64_t>(
            size - offset, std::clamp<int64_t>(offset, static_cast<int64_t>(limits_.firstProbe),
                                                  static_cast<int64_t>(limits_.largestProbe))));
        std::vector<char> block(length);
        std::unordered_map<size_t, std::vector<size_t>> byHash;
        for (size_t i : members) {
            Check();
            if (ReadBlock(i, offset, block))
                byHash[std::hash<std::string_view>{}({block.data(), length})].push_back(i);
        }
        std::vector<std::vector<size_t>> buckets;
        for (auto& [hash, bucket] : byHash)
            if (bucket.size() > 1)
                buckets.push_back(std::move(bucket));
        std::sort(buckets.begin(), buckets.end()); // a fixed order, whatever the hash table's
        for (const auto& bucket : buckets) {
            if (bucket.size() < members.size()) {
                Classify(bucket, offset);
                continue;
            }
            std::vector<char> first(length);
            if (!ReadBlock(bucket[0], offset, first)) {
                Classify({bucket.begin() + 1, bucket.end()}, offset);
                continue;
            }
            std::vector<size_t> same{bucket[0]}, different;
            for (size_t k = 1; k < bucket.size(); ++k) {
                Check();
                if (!ReadBlock(bucket[k], offset, block))
                    continue;
                (std::memcmp(block.data(), first.data(), length) == 0 ? same : different).push_back(bucket[k]);
            }
            Classify(same, offset + static_cast<int64_t>(length));
            Classify(different, offset);
        }
    }

    bool ReadBlock(size_t i, int64_t offset, std::vector<char>& block) {
        FileReader file(paths_[i]);
        return file.IsOpen() && file.Size() == sizes_[i] && file.ReadAt(offset, block.data(), block.size());
    }

    // Few enough files to keep open: read them in rounds of one block each, splitting the
    // groups where blocks differ; a file left alone in its group is read no further.
    void ReadSideBySide(const std::vector<size_t>& members, int64_t offset) {
        const int64_t size = sizes_[members[0]];
        std::vector<FileReader> files;
        std::vector<size_t> open;
        for (size_t i : members) {
            FileReader file(paths_[i]);
            if (file.IsOpen() && file.Size() == size) {
                files.push_back(std::move(file));
                open.push_back(i);
            }
        }
        // Groups hold positions in `files`.
        std::vector<std::vector<size_t>> groups(1);
        for (size_t k = 0; k < files.size(); ++k)
            groups[0].push_back(k);
        const size_t bufferSize = static_cast<size_t>(std::min<int64_t>(limits_.blockSize, size - offset));
        std::vector<std::vector<char>> blocks(files.size(), std::vector<char>(bufferSize));
        for (; offset < size && !groups.empty(); offset += static_cast<int64_t>(limits_.blockSize)) {
            const size_t length = static_cast<size_t>(std::min<int64_t>(limits_.blockSize, size - offset));
            std::vector<std::vector<size_t>> next;
            for (const auto& group : groups) {
                Check();
                SplitGroup(group, files, blocks, offset, length, next);
            }
            groups = std::move(next);
        }
        for (const auto& group : groups) {
            std::vector<size_t> same;
            for (size_t k : group)
                same.push_back(open[k]);
            NewClass(same);
        }
    }

    // Reads one block of every file of the group and appends the groups of equal blocks
    // that still have two files or more.
    static void SplitGroup(const std::vector<size_t>& group, std::vector<FileReader>& files,
                           std::vector<std::vector<char>>& blocks, int64_t offset, size_t length,
                           std::vector<std::vector<size_t>>& out) {
        // A few files are compared directly; many are first told apart by a hash.
        const bool fewFiles = group.size() <= 8;
        std::unordered_map<size_t, std::vector<std::vector<size_t>>> byHash;
        for (size_t k : group) {
            if (!files[k].ReadAt(offset, blocks[k].data(), length)) {
                files[k].Close(); // unreadable now: different from everything
                continue;
            }
            auto& candidates = byHash[fewFiles ? 0 : std::hash<std::string_view>{}({blocks[k].data(), length})];
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
    }

    const std::vector<std::string>& paths_;
    const std::function<bool()>& keepGoing_;
    ClassifyLimits limits_;
    std::vector<int> classes_;
    std::vector<int64_t> sizes_;
    int nextClass_ = 0;
};

} // namespace

std::optional<std::vector<int>> ClassifyByContent(const std::vector<std::string>& paths,
                                                  const std::function<bool()>& keepGoing,
                                                  const ClassifyLimits& limits) {
    try {
        return Classifier(paths, keepGoing, limits).Run();
    } catch (const Cancelled&) {
        return std::nullopt;
    }
}

} // namespace twinsweep
