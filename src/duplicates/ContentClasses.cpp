#include "ContentClasses.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <string_view>
#include <unordered_map>

#include "FileDescriptor.h"
#include "LongPath.h"

namespace twinsweep {

namespace {

constexpr int Alone = -1;

struct Cancelled {};

// The files of a set mostly come folder after folder, as the search found them: from the
// second file of a folder on, the folder stays open and a file in it is found by its name
// alone rather than by walking its whole path again.
class NearFolder {
public:
    // The open folder to look `path` up in, with the rest of the path in `name`; AT_FDCWD
    // when the whole path is to be used.
    int Of(const std::string& path, const char*& name) {
        name = path.c_str();
        const size_t cut = path.rfind('/');
        if (cut == std::string::npos)
            return AT_FDCWD;
        const std::string_view folder(path.data(), cut + 1);
        if (folder != path_) {
            path_ = folder;
            folder_.reset();
            return AT_FDCWD;
        }
        if (!folder_)
            folder_.reset(OpenPath(path_, O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!folder_)
            return AT_FDCWD;
        name = path.c_str() + cut + 1;
        return folder_.get();
    }

private:
    std::string path_;
    FileDescriptor folder_;
};

// Files of one size that are equal up to `offset`.
struct Candidates {
    std::vector<size_t> members;
    int64_t offset = 0;
};

class Classifier {
public:
    Classifier(const std::vector<std::string>& paths, const LongWork& work,
               const ClassifyLimits& limits)
        : paths_(paths), work_(work), limits_(limits), stamps_(paths.size()) {
        result_.classOf.assign(paths.size(), Alone);
    }

    ContentClasses Run() {
        // Files of different lengths never match: split by the length on disk first. The
        // stamp taken here is what every later reading of the file must find again.
        std::map<int64_t, std::vector<size_t>> bySize;
        for (size_t i = 0; i < paths_.size(); ++i) {
            Check();
            const char* name = nullptr;
            const int folder = near_.Of(paths_[i], name);
            if (folder == AT_FDCWD ? StampOfPath(paths_[i], stamps_[i])
                                   : StampAt(folder, name, stamps_[i]))
                bySize[stamps_[i].size].push_back(i);
        }
        for (auto& [size, members] : bySize)
            if (members.size() > 1)
                pending_.push_back({std::move(members), 0});
        // Sets still to sort out wait here rather than on the call stack: a deep chain of
        // splits costs neither stack nor a buffer per level.
        while (!pending_.empty()) {
            Candidates next = std::move(pending_.back());
            pending_.pop_back();
            Classify(next);
        }
        result_.file = std::move(stamps_);
        return std::move(result_);
    }

private:
    void Check() {
        if (!work_.KeepGoing())
            throw Cancelled{};
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
        std::vector<size_t> unchanged;
        for (size_t i : members) {
            FileStamp now;
            if (StampOfPath(paths_[i], now) && now == stamps_[i])
                unchanged.push_back(i);
        }
        NewClassOf(unchanged);
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
        const char* name = nullptr;
        const int folder = near_.Of(paths_[i], name);
        FileReader file = folder == AT_FDCWD ? FileReader(paths_[i]) : FileReader(folder, name);
        if (file.IsOpen() && !(file.Stamp() == stamps_[i]))
            file.Close();
        return file;
    }

    bool ReadBlock(size_t i, int64_t offset, std::vector<char>& block) {
        FileReader file = Open(i);
        return file.IsOpen() && file.ReadAt(offset, block.data(), block.size());
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
        const int64_t size = stamps_[members[0]].size;
        std::vector<FileReader> files;
        std::vector<size_t> open;
        for (size_t i : members) {
            FileReader file = Open(i);
            if (file.IsOpen()) {
                files.push_back(std::move(file));
                open.push_back(i);
            }
        }
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
                SplitGroup(group, files, blocks, offset, length, next);
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
    }

    const std::vector<std::string>& paths_;
    const LongWork& work_;
    ClassifyLimits limits_;
    std::vector<FileStamp> stamps_;
    NearFolder near_;
    std::vector<Candidates> pending_;
    // The probe's two buffers, shared by every set.
    std::vector<char> block_, first_;
    ContentClasses result_;
    int nextClass_ = 0;
};

} // namespace

std::optional<ContentClasses> ClassifyByContent(const std::vector<std::string>& paths,
                                                const LongWork& work,
                                                const ClassifyLimits& limits) {
    try {
        return Classifier(paths, work, limits).Run();
    } catch (const Cancelled&) {
        return std::nullopt;
    }
}

} // namespace twinsweep
