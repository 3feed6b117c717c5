#include "DuplicateScan.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "ContentClasses.h"
#include "OneFile.h"
#include "RunsAhead.h"

namespace twinsweep {

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

struct Stopped {};

// The bytes of the run of the bottom row's size, from `top` to `bottom`; sizes out of any
// file's range (a damaged project's) make the largest count, not an overflow.
int64_t RunBytes(const FileTable& table, int top, int bottom) {
    int64_t bytes = 0;
    if (__builtin_mul_overflow(int64_t(bottom - top + 1),
                               SizeValue(table.Cell(FileTable::SizeColumn, bottom)), &bytes))
        return std::numeric_limits<int64_t>::max();
    return bytes;
}

class Scan {
public:
    Scan(FileTable& table, ResultLists& lists, const LongWork& work, ScanStats* stats,
         ScanBytes* bytes)
        : table_(table), lists_(lists), work_(work), stats_(stats), bytes_(bytes) {
        if (bytes_)
            bytes_->Start(BytesToCompare(table_));
        if (!lists_.LBB1.empty()) {
            lastReference_ = lists_.LBB1.IdAt(lists_.LBB1.size() - 1);
            const int group = static_cast<int>(lists_.LBB1.size()) - 1;
            for (size_t i = 0; i < lists_.LBB2.size() && i < lists_.LL1.size(); ++i)
                if (lists_.LL1[i] == group)
                    MarkRecorded(lists_.LBB2.IdAt(i));
        }
    }

    void Run() {
        Progress();
        // The rows are counted once: a name cell's text never ends the scan.
        for (int left = table_.FileCount(); left > 0; --left) {
            KeepGoing();
            ScanBottomRow();
            table_.RemoveLastRow();
        }
        Progress();
    }

private:
    void KeepGoing() {
        if (!work_.KeepGoing())
            throw Stopped{};
    }

    void Progress() { work_.Progress(table_.FileCount()); }

    void ScanBottomRow() {
        const int bottom = table_.RowCount() - 1;
        if (bottom < 2)
            return; // nothing above to compare with
        if (Trimmed(table_.Cell(FileTable::SizeColumn, bottom)) == "0000000000") {
            KeepGoing();
            Progress(); // an empty file is never compared
            return;
        }
        if (bottom < runTop_ || bottom > runBottom_)
            ClassifyRunEndingAt(bottom);
        const int cls = classes_.classOf[static_cast<size_t>(bottom - runTop_)];
        if (cls >= 0) {
            // The rows of the class, top to bottom; the bottom row is the last one left.
            std::vector<int>& rows = classRows_[static_cast<size_t>(cls)];
            rows.pop_back();
            const FileStamp& file = FileOfRow(bottom);
            const PathStore::Id reference = PathOfRow(bottom);
            const auto typeOf = [this](int row) {
                return [this, row] {
                    return types_.Of(FileOfRow(row).id.device, table_.FilePath(row));
                };
            };
            for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
                KeepGoing();
                // Another path to the same file (a hard link, a bind mount, a row listed
                // twice, an overlay's view of a lower file) is no duplicate: removing it
                // would free nothing, or take the other's bytes with it.
                if (!OneFile(FileOfRow(*row), file, typeOf(*row), typeOf(bottom)))
                    Record(reference, PathOfRow(*row));
            }
        }
        if (runTop_ > 1) {
            KeepGoing();
            Progress(); // the row above the run has another size
        }
    }

    // The rows of the bottom row's size form a run above it; sort it into content classes.
    void ClassifyRunEndingAt(int bottom) {
        int top = bottom;
        while (top > 1 && table_.SameSizeCell(top - 1, bottom))
            --top;
        runTop_ = top;
        runBottom_ = bottom;
        ahead_.Before(top);
        classRows_.clear();
        rowPaths_.clear();
        if (top == bottom) { // a size of its own: the file is never opened
            classes_ = {{-1}, {FileStamp{}}, {}, 0};
            return;
        }
        const int64_t runBytes = RunBytes(table_, top, bottom);
        if (stats_)
            stats_->candidateBytes = SaturatedSum(stats_->candidateBytes, runBytes);
        const size_t count = static_cast<size_t>(bottom - top + 1);
        const FileTable& table = table_;
        auto classes = ClassifyByContent(
            count, [&table, top](size_t i) { return table.FilePath(top + static_cast<int>(i)); },
            work_, limits_, bytes_ ? bytes_->StartRun(runBytes) : nullptr);
        if (!classes)
            throw Stopped{};
        if (bytes_)
            bytes_->EndRun();
        classes_ = std::move(*classes);
        if (stats_) {
            stats_->bytesRead += classes_.bytesRead;
            for (const size_t i : classes_.unreadable)
                stats_->unreadable.push_back(table_.FilePath(top + static_cast<int>(i)));
        }
        rowPaths_.resize(count);
        for (size_t i = 0; i < classes_.classOf.size(); ++i)
            if (const int cls = classes_.classOf[i]; cls >= 0) {
                if (classRows_.size() <= static_cast<size_t>(cls))
                    classRows_.resize(static_cast<size_t>(cls) + 1);
                classRows_[static_cast<size_t>(cls)].push_back(top + static_cast<int>(i));
                rowPaths_[i] = lists_.paths->Intern(table_.FilePath(top + static_cast<int>(i)));
            }
        // Each class of k files adds up to k(k - 1) / 2 entries: room for them at once,
        // growing as a vector would when the lists are already large.
        size_t entries = lists_.LBB2.size();
        for (const auto& rows : classRows_)
            entries += rows.size() * (rows.size() - 1) / 2;
        if (entries > lists_.LBB2.capacity()) {
            const size_t room = std::max(entries, lists_.LBB2.capacity() * 3 / 2);
            lists_.LBB2.reserve(room);
            lists_.LL1.reserve(room);
        }
    }

    PathStore::Id PathOfRow(int row) const { return rowPaths_[static_cast<size_t>(row - runTop_)]; }

    const FileStamp& FileOfRow(int row) const {
        return classes_.file[static_cast<size_t>(row - runTop_)];
    }

    void Record(PathStore::Id reference, PathStore::Id duplicate) {
        if (reference != lastReference_) {
            lastReference_ = reference;
            ++recordGeneration_;
            lists_.LBB1.PushId(reference);
        } else if (IsRecorded(duplicate)) {
            return; // listed twice in the table, or recorded by an earlier, interrupted scan
        }
        MarkRecorded(duplicate);
        lists_.LBB2.PushId(duplicate);
        lists_.LL1.push_back(static_cast<int>(lists_.LBB1.size()) - 1);
        Progress();
    }

    // The duplicates recorded for the last reference carry its generation.
    bool IsRecorded(PathStore::Id id) const {
        return id < recordedIn_.size() && recordedIn_[id] == recordGeneration_;
    }
    void MarkRecorded(PathStore::Id id) {
        if (id >= recordedIn_.size())
            recordedIn_.resize(std::max<size_t>(id + 1, recordedIn_.size() * 2), 0);
        recordedIn_[id] = recordGeneration_;
    }

    FileTable& table_;
    ResultLists& lists_;
    const LongWork& work_;
    ScanStats* stats_;
    ScanBytes* bytes_;
    PathStore::Id lastReference_ = UINT32_MAX;
    uint32_t recordGeneration_ = 1;
    std::vector<uint32_t> recordedIn_;
    int runTop_ = 0, runBottom_ = -1;
    ContentClasses classes_;
    std::vector<std::vector<int>> classRows_;
    std::vector<PathStore::Id> rowPaths_; // of the run's rows in a class
    FileSystemTypes types_;
    const ClassifyLimits limits_;
    RunsAhead ahead_{table_, limits_};
};

} // namespace

void ScanBytes::Start(int64_t total) {
    total_ = total;
    classified_ = run_ = 0;
    runRead_ = 0;
}

std::atomic<int64_t>* ScanBytes::StartRun(int64_t bytes) {
    run_ = bytes;
    runRead_ = 0;
    return &runRead_;
}

void ScanBytes::EndRun() {
    classified_ = SaturatedSum(classified_, std::exchange(run_, 0));
    runRead_ = 0;
}

int64_t BytesToCompare(const FileTable& table) {
    int64_t total = 0;
    for (int bottom = table.FileCount(); bottom >= 2;) {
        int top = bottom;
        while (top > 1 && table.SameSizeCell(top - 1, bottom))
            --top;
        if (top < bottom)
            total = SaturatedSum(total, RunBytes(table, top, bottom));
        bottom = top - 1;
    }
    return total;
}

bool RunDuplicateScan(FileTable& table, ResultLists& lists, const LongWork& work, ScanStats* stats,
                      ScanBytes* bytes) {
    try {
        Scan(table, lists, work, stats, bytes).Run();
        return true;
    } catch (const Stopped&) {
        return false;
    }
}

} // namespace twinsweep
