#include "RunsAhead.h"

#include <algorithm>

namespace twinsweep {

namespace {

constexpr size_t MostFiles = 256;
constexpr int64_t MostBytes = 32 << 20;

} // namespace

void RunsAhead::Before(int top) {
    while (!asked_.empty() && asked_.front().top >= top) {
        files_ -= asked_.front().files;
        bytes_ -= asked_.front().bytes;
        asked_.pop_front();
    }
    if (next_ < 0 || next_ >= top)
        next_ = top - 1;
    while (next_ >= 1 && files_ < MostFiles && bytes_ < MostBytes) {
        int first = next_;
        while (first > 1 && table_.SameSizeCell(first - 1, next_))
            --first;
        Asked asked{first, 0, 0};
        Ask(first, next_, MostFiles - files_, asked);
        asked_.push_back(asked);
        files_ += asked.files;
        bytes_ += asked.bytes;
        next_ = first - 1;
    }
}

void RunsAhead::Ask(int top, int bottom, size_t most, Asked& asked) {
    const auto count = static_cast<size_t>(bottom - top + 1);
    // A size of its own is never read; a run too large to read side by side asks for its
    // files itself, many at a time.
    if (count < 2 || count > limits_.maxOpenFiles)
        return;
    const int64_t size = SizeValue(table_.Cell(FileTable::SizeColumn, bottom));
    if (size <= 0)
        return;
    const size_t length = limits_.FirstRead(count, size);
    for (int row = top; row <= bottom && asked.files < most; ++row) {
        OpenNear(near_, table_.FilePath(row)).WillRead(0, length);
        ++asked.files;
        asked.bytes += static_cast<int64_t>(length);
    }
}

} // namespace twinsweep
