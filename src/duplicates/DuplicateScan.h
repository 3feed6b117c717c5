#pragma once
// The duplicate scan: consumes the size-sorted file table from the bottom up and records
// every other file identical to the bottom file as a member of the bottom file's group.
// Paths that name the bottom file itself (same device and inode) are never its members.
//
// The lists, their order and the points where the caller is told of progress are those of
// comparing the bottom row with each row of its size above it; but a run of equal sizes is
// sorted into classes of identical content once, when it reaches the bottom, so every file
// is read about once however many files share its size.
#include "FileTable.h"
#include "LongWork.h"
#include "ResultLists.h"

namespace twinsweep {

// What a scan read: the bytes of every file in a run of two or more equal sizes, and the
// bytes read from them.
struct ScanStats {
    int64_t candidateBytes = 0;
    int64_t bytesRead = 0;
};

// Scans until the table is empty (true) or keepGoing says stop (false); then the rows not
// processed, the bottom row under way included, stay in the table. Lists that already hold
// results are kept: new groups are numbered after them, and a match already recorded for
// the last reference is not recorded again, so a resumed scan ends with the lists of an
// uninterrupted one. Progress is the number of files left in the table. `stats`, when
// given, adds up what was read.
bool RunDuplicateScan(FileTable& table, ResultLists& lists, const LongWork& work,
                      ScanStats* stats = nullptr);

} // namespace twinsweep
