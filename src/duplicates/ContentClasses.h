#pragma once
// Sorting files into classes of identical content, reading each file as few times as
// possible. Files are compared byte for byte; a hash only ever proves that two blocks differ.
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "FileReader.h"
#include "LongWork.h"
#include "OpenFileLimit.h"
#include "ParallelSlices.h"

namespace twinsweep {

struct ClassifyLimits {
    // Files kept open at once when read side by side: the open-file limit shared among the
    // reading threads, at most 128.
    size_t maxOpenFiles = OpenFilesPerReader(SliceThreads() + 1, 128);
    size_t blockSize = 128 * 1024; // bytes read from each of them per round
    size_t firstProbe = 64 * 1024; // first block read from files of a larger set
    size_t largestProbe = 4 << 20; // the probe doubles up to this size
    // Many small files whose contents together fit in this many bytes are read only once.
    size_t contentBudget = 64 << 20;

    // Whether `count` files of `size` bytes, too many to read side by side, are read whole
    // into memory at once.
    bool KeptWhole(size_t count, int64_t size) const {
        const size_t slot = static_cast<size_t>(std::max<int64_t>(size, 1));
        return slot <= firstProbe && count <= contentBudget / slot;
    }
    // The bytes first read of each of many files not kept whole.
    size_t Glimpse() const { return std::min(firstProbe, size_t{4096}); }
    // The bytes the first reading takes from the start of each of `count` files of `size`.
    size_t FirstRead(size_t count, int64_t size) const {
        const size_t length =
            count <= maxOpenFiles || KeptWhole(count, size) ? blockSize : Glimpse();
        return static_cast<size_t>(std::min<int64_t>(size, static_cast<int64_t>(length)));
    }
};

struct ContentClasses {
    // For each path, the number of its class when at least one other path has the same
    // content, or -1 when it has none, cannot be read or changed while it was read.
    std::vector<int> classOf;
    // For each path in a class, the file that was read (several paths may name one file).
    std::vector<FileStamp> file;
    // The paths that could not be opened as regular files, or read, in ascending order.
    std::vector<size_t> unreadable;
    int64_t bytesRead = 0;
};

// The work's keepGoing runs between reads; when it returns false the classification stops and the
// result is empty. Memory stays within a bound set by the limits, whatever the number and
// size of the files.
std::optional<ContentClasses> ClassifyByContent(const std::vector<std::string>& paths,
                                                const LongWork& work,
                                                const ClassifyLimits& limits = {});

// The same for `count` paths made on demand, from several threads at once. `bytesRead`,
// when given, grows by every read as it is made, whichever thread makes it.
using PathOf = std::function<std::string(size_t)>;
std::optional<ContentClasses> ClassifyByContent(size_t count, const PathOf& pathOf,
                                                const LongWork& work,
                                                const ClassifyLimits& limits = {},
                                                std::atomic<int64_t>* bytesRead = nullptr);

} // namespace twinsweep
