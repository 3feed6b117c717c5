#pragma once
// A cold disk answers many requests at once far faster than one after another. While one run
// of equal-sized files is compared, the runs still to come are opened and their first bytes
// asked for, so that they are on their way when their turn comes.
#include <cstdint>
#include <deque>

#include "ContentClasses.h"
#include "FileTable.h"
#include "NearFolder.h"

namespace twinsweep {

class RunsAhead {
public:
    RunsAhead(const FileTable& table, const ClassifyLimits& limits)
        : table_(table), limits_(limits) {}

    // The run from row `top` down is compared now: asks for the runs above it, a few hundred
    // files and some megabytes ahead at most.
    void Before(int top);

private:
    // Runs asked for and not yet compared: the top row, files and bytes of each.
    struct Asked {
        int top;
        size_t files;
        int64_t bytes;
    };

    void Ask(int top, int bottom, size_t most, Asked& asked);

    const FileTable& table_;
    const ClassifyLimits& limits_;
    NearFolder near_;
    std::deque<Asked> asked_;
    size_t files_ = 0;
    int64_t bytes_ = 0;
    int next_ = -1; // the bottom row of the next run to ask for; none yet
};

} // namespace twinsweep
