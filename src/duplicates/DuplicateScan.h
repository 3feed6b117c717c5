#pragma once
// The duplicate scan: consumes the size-sorted file table from the bottom up and records
// every other file identical to the bottom file as a member of the bottom file's group.
// Paths that name the bottom file itself (same device and inode) are never its members.
//
// The lists, their order and the points where the caller is told of progress are those of
// comparing the bottom row with each row of its size above it; but a run of equal sizes is
// sorted into classes of identical content once, when it reaches the bottom, so every file
// is read about once however many files share its size.
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "FileTable.h"
#include "LongWork.h"
#include "ResultLists.h"

namespace twinsweep {

// What a scan read: the bytes of every file in a run of two or more equal sizes, and the
// bytes read from them; and the paths of those that could not be read.
struct ScanStats {
    int64_t candidateBytes = 0;
    int64_t bytesRead = 0;
    std::vector<std::string> unreadable;
};

// How far a scan has come in bytes. The total is that of the files in runs of two or more
// equal sizes as the table holds them when the scan starts (a resumed scan counts what is
// left). Compared() never falls and never passes the total, and reaches it when the scan
// completes: the runs already sorted into classes, plus the bytes read from the run being
// sorted, up to that run's bytes (a file may be read more than once). Ask on the scan's
// thread, from its work's keepGoing or progress; the reading threads add to it meanwhile.
// a + b, or the largest int64_t where that overflows (the sizes are never negative).
inline int64_t SaturatedSum(int64_t a, int64_t b) {
    int64_t sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? std::numeric_limits<int64_t>::max() : sum;
}

class ScanBytes {
public:
    int64_t Total() const { return total_; }
    int64_t Compared() const {
        return SaturatedSum(classified_, std::min(runRead_.load(std::memory_order_relaxed), run_));
    }

    // The scan's side.
    void Start(int64_t total);
    // The counter the run's reading adds to.
    std::atomic<int64_t>* StartRun(int64_t bytes);
    void EndRun();

private:
    int64_t total_ = 0;
    int64_t classified_ = 0;
    int64_t run_ = 0;
    std::atomic<int64_t> runRead_{0};
};

// The bytes of the files in runs of two or more equal sizes: what a scan of the table
// reads at least once.
int64_t BytesToCompare(const FileTable& table);

// Scans until the table is empty (true) or keepGoing says stop (false); then the rows not
// processed, the bottom row under way included, stay in the table. Lists that already hold
// results are kept: new groups are numbered after them, and a match already recorded for
// the last reference is not recorded again, so a resumed scan ends with the lists of an
// uninterrupted one. Progress is the number of files left in the table. `stats`, when
// given, adds up what was read; `bytes`, when given, starts afresh and follows the scan.
bool RunDuplicateScan(FileTable& table, ResultLists& lists, const LongWork& work,
                      ScanStats* stats = nullptr, ScanBytes* bytes = nullptr);

} // namespace twinsweep
