#include "DuplicateScan.h"

#include <set>

#include "ContentClasses.h"

namespace twinsweep {

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

struct Stopped {};

class Scan {
public:
    Scan(FileTable& table, ResultLists& lists, const LongWork& work)
        : table_(table), lists_(lists), work_(work) {
        if (!lists_.LBB1.empty()) {
            lastReference_ = lists_.LBB1.back();
            const std::string group = std::to_string(lists_.LBB1.size() - 1);
            for (size_t i = 0; i < lists_.LBB2.size() && i < lists_.LL1.size(); ++i)
                if (lists_.LL1[i] == group)
                    alreadyRecorded_.insert(lists_.LBB2[i]);
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
        const std::string& size = table_.Cell(FileTable::SizeColumn, bottom);
        if (Trimmed(size) == "0000000000") {
            KeepGoing();
            Progress(); // an empty file is never compared
            return;
        }
        if (bottom < runTop_ || bottom > runBottom_)
            ClassifyRunEndingAt(bottom);
        const std::string reference = table_.FilePath(bottom);
        const int cls = classes_.classOf[static_cast<size_t>(bottom - runTop_)];
        if (cls >= 0) {
            // The rows of the class, top to bottom; the bottom row is the last one left.
            std::vector<int>& rows = classRows_[static_cast<size_t>(cls)];
            rows.pop_back();
            const FileStamp& file = FileOfRow(bottom);
            for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
                KeepGoing();
                // Another path to the same file (a hard link, a bind mount, a row listed
                // twice) is no duplicate: removing it would free nothing.
                if (!FileOfRow(*row).SameFile(file))
                    Record(reference, table_.FilePath(*row));
            }
        }
        if (runTop_ > 1) {
            KeepGoing();
            Progress(); // the row above the run has another size
        }
    }

    // The rows of the bottom row's size form a run above it; sort it into content classes.
    void ClassifyRunEndingAt(int bottom) {
        const std::string& size = table_.Cell(FileTable::SizeColumn, bottom);
        int top = bottom;
        while (top > 1 && table_.Cell(FileTable::SizeColumn, top - 1) == size)
            --top;
        std::vector<std::string> paths;
        for (int row = top; row <= bottom; ++row)
            paths.push_back(table_.FilePath(row));
        auto classes = ClassifyByContent(paths, work_);
        if (!classes)
            throw Stopped{};
        classes_ = std::move(*classes);
        classRows_.clear();
        for (size_t i = 0; i < classes_.classOf.size(); ++i)
            if (const int cls = classes_.classOf[i]; cls >= 0) {
                if (classRows_.size() <= static_cast<size_t>(cls))
                    classRows_.resize(static_cast<size_t>(cls) + 1);
                classRows_[static_cast<size_t>(cls)].push_back(top + static_cast<int>(i));
            }
        runTop_ = top;
        runBottom_ = bottom;
    }

    const FileStamp& FileOfRow(int row) const {
        return classes_.file[static_cast<size_t>(row - runTop_)];
    }

    void Record(const std::string& reference, const std::string& duplicate) {
        if (reference != lastReference_) {
            lastReference_ = reference;
            alreadyRecorded_.clear();
            lists_.LBB1.push_back(reference);
        } else if (alreadyRecorded_.count(duplicate)) {
            return; // listed twice in the table, or recorded by an earlier, interrupted scan
        }
        alreadyRecorded_.insert(duplicate);
        lists_.LBB2.push_back(duplicate);
        lists_.LL1.push_back(std::to_string(lists_.LBB1.size() - 1));
        Progress();
    }

    FileTable& table_;
    ResultLists& lists_;
    const LongWork& work_;
    std::string lastReference_;
    std::set<std::string> alreadyRecorded_;
    int runTop_ = 0, runBottom_ = -1;
    ContentClasses classes_;
    std::vector<std::vector<int>> classRows_;
};

} // namespace

bool RunDuplicateScan(FileTable& table, ResultLists& lists, const LongWork& work) {
    try {
        Scan(table, lists, work).Run();
        return true;
    } catch (const Stopped&) {
        return false;
    }
}

} // namespace twinsweep
