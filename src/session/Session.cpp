#include "Session.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "AttributeWord.h"
#include "ConfigFolder.h"
#include "HeadlessHost.h"
#include "LastSearch.h"
#include "Paths.h"
#include "ProjectFile.h"
#include "SetsExport.h"
#include "TrashMarked.h"

namespace twinsweep {

namespace {

// Whether every entry of the lists names a path of their own store.
bool NumbersResolve(const ResultLists& lists) {
    if (!lists.OneStore())
        return false;
    for (const PathList* list : {&lists.LBB1, &lists.LBB2})
        for (size_t i = 0; i < list->size(); ++i)
            if (list->IdAt(i) >= lists.paths->size())
                return false;
    return true;
}

// The trash counted a file that came back, since the trash took the copy it was checked
// against with it; a file left in the trash when that failed stays counted.
void UncountPutBack(TrashOutcome& outcome) {
    for (const KeptDuplicate& file : outcome.kept)
        if (file.reason == KeepReason::KeptGoneWithIt) {
            const FileFacts back = StatFacts(file.path);
            --outcome.moved.files;
            outcome.moved.bytes -= back.exists ? back.size : 0;
        }
}

} // namespace

Session::Session(Host& host) : search_(host) {
    search_.OnNewFolder = [this](TFileSearch&, const std::string& folder, bool& ignore) {
        ignore = exclusions_.Excludes(folder, true);
    };
}

void Session::SetChoices(SearchChoices choices) {
    if (AllFolders(choices) != AllFolders(choices_))
        setsStale_ = true; // other files may be protected now
    choices_ = std::move(choices);
    protected_ = ProtectedFolders(AllFolders(choices_));
    exclusions_ = Exclusions(choices_.exclusions);
}

bool Session::RestoreLastSearch() {
    try {
        auto last = LoadLastSearch(UserConfigFolder() + LastSearchFileName, choices_);
        if (last)
            SetChoices(std::move(*last));
        return last.has_value();
    } catch (const Exception&) {
        return false; // no folder for the user's settings
    }
}

void Session::KeepLastSearch() const {
    try {
        SaveLastSearch(UserConfigFolder() + LastSearchFileName, choices_);
    } catch (const Exception&) {
        // The search goes on without it.
    }
}

void Session::SetCaptions(const FileTable::Row& captions) {
    captions_ = captions;
    for (int column = 0; column < FileTable::ColumnCount; ++column)
        table_.SetCell(column, 0, captions[static_cast<size_t>(column)]);
}

void Session::SetDateFormats(const TFormatSettings& formats) {
    formats_ = formats;
    table_.SetDateFormats(formats);
}

void Session::BeginSearch() {
    table_.Reset(captions_);
    unlisted_.clear();
    scanned_ = {};
    lists_.ClearResults();
    ListsChanged();
    ClearMarks();
    ConfigureSearch(search_, choices_);
}

void Session::AddFoundFile(const std::string& folder, const TSearchRec& entry) {
    if (!exclusions_.empty() &&
        exclusions_.Excludes(IncludeTrailingPathDelimiter(folder) + entry.Name,
                             (entry.Attr & faDirectory) != 0))
        return;
    AppendFoundFile(table_, folder, entry);
}

void Session::FinishSearch() {
    unlisted_ = search_.UnlistedFolders();
    if (search_.Failure())
        table_.Reset(captions_);
    FinishTable(table_, protected_);
}

bool Session::SearchAndWait(HeadlessHost& host, size_t stopAfter,
                            const std::function<bool(int files)>& going) {
    BeginSearch();
    bool complete = false;
    search_.OnFound = [&](TFileSearch& search, const std::string& folder, TSearchRec& entry) {
        AddFoundFile(folder, entry);
        const int files = table_.FileCount();
        if (static_cast<size_t>(files) == stopAfter || (going && !going(files)))
            search.Abort();
    };
    search_.OnComplete = [&](TFileSearch&) {
        FinishSearch();
        complete = true;
    };
    search_.SetThreaded(true);
    search_.Execute();
    while (!complete)
        host.waitAndProcess(std::chrono::hours(1));
    search_.OnFound = {};
    search_.OnComplete = {};
    return !search_.Aborted();
}

bool Session::Scan(const LongWork& work, ScanBytes* bytes) {
    const bool completed = RunDuplicateScan(table_, lists_, work, &scanned_, bytes);
    // A scan resumed reads the run it stopped in again.
    std::vector<std::string>& unreadable = scanned_.unreadable;
    std::sort(unreadable.begin(), unreadable.end());
    unreadable.erase(std::unique(unreadable.begin(), unreadable.end()), unreadable.end());
    ListsChanged();
    return completed;
}

void Session::Adopt(ResultLists lists) {
    lists_ = std::move(lists);
    ListsChanged();
    ClearMarks();
}

void Session::Adopt(FileTable table) {
    table_ = std::move(table);
    unlisted_.clear();
    scanned_ = {};
    table_.SetDateFormats(formats_);
}

void Session::SelectGroup(const LongWork& work) { twinsweep::SelectGroup(lists_, work); }

void Session::FollowUp() { twinsweep::FollowUp(lists_); }

void Session::SelectFirstGroup() {
    if (lists_.LBB1.empty())
        return;
    lists_.current1 = 0;
    SelectGroup();
}

void Session::SwapReferenceAndDuplicate() {
    twinsweep::SwapReferenceAndDuplicate(lists_);
    ListsChanged();
}

std::string Session::CurrentReference() const { return CurrentEntry(lists_.LBB1, lists_.current1); }

std::string Session::CurrentDuplicate() const { return CurrentEntry(lists_.LBB2, lists_.current2); }

FilesTally Session::SelectedFiles() const {
    return twinsweep::SelectedFiles(lists_, StatFacts, protected_);
}

TrashOutcome Session::TrashSelected(const TrashFile& trash, const LongWork& work) {
    TrashOutcome outcome;
    for (size_t i = 0; i < lists_.LBB2.size(); ++i)
        if (lists_.IsSelected(i) && IsProtected(lists_.LBB2[i])) {
            lists_.SetSelected(i, false);
            outcome.kept.push_back({std::string(lists_.LBB2[i]), KeepReason::Protected, {}});
        }
    auto checked = DeleteSelectedDuplicates(lists_, TallyingTrash(trash, outcome.moved), work);
    outcome.kept.insert(outcome.kept.end(), checked.begin(), checked.end());
    UncountPutBack(outcome);
    ListsChanged();
    return outcome;
}

const std::vector<DuplicateSet>& Session::Sets() {
    if (!setsStale_)
        return sets_;
    // The marked files by path number, to carry the marks over.
    std::vector<bool> marked;
    for (const DuplicateSet& set : sets_)
        for (const SetMember& member : set.members)
            if (member.marked) {
                if (marked.size() <= member.path)
                    marked.resize(member.path + 1, false);
                marked[member.path] = true;
            }
    sets_ = SetsOf(lists_, StatFacts, protected_);
    if (!allSets_)
        std::erase_if(sets_, AllProtected);
    for (DuplicateSet& set : sets_) {
        bool keepsOne = false;
        for (SetMember& member : set.members) {
            member.marked =
                !member.isProtected && member.path < marked.size() && marked[member.path];
            keepsOne = keepsOne || !member.marked;
        }
        if (!keepsOne)
            for (SetMember& member : set.members)
                member.marked = false;
    }
    setsStale_ = false;
    ++setsGeneration_;
    return sets_;
}

void Session::ShowAllSets(bool all) {
    if (all != allSets_)
        setsStale_ = true;
    allSets_ = all;
}

bool Session::SetMark(size_t set, size_t member, bool marked) {
    if (set >= sets_.size() || member >= sets_[set].members.size())
        return false;
    return twinsweep::SetMark(sets_[set], member, marked);
}

size_t Session::MarkAllButOne(KeepRule rule, const std::string& folder) {
    Sets();
    return twinsweep::MarkAllButOne(sets_, *lists_.paths, rule, folder);
}

void Session::ClearMarks() { twinsweep::ClearMarks(sets_); }

FilesTally Session::MarkedFiles() {
    FilesTally marked;
    for (const DuplicateSet& set : Sets()) {
        size_t files = 0, protectedFiles = 0;
        for (const SetMember& member : set.members) {
            files += member.marked ? 1 : 0;
            protectedFiles += member.isProtected ? 1 : 0;
        }
        marked.files += files;
        marked.protectedKept += files > 0 ? protectedFiles : 0;
        marked.bytes += MarkedBytes(set);
    }
    return marked;
}

TrashOutcome Session::TrashMarked(const TrashFile& trash, const LongWork& work) {
    Sets();
    TrashOutcome outcome;
    outcome.kept = TrashMarkedFiles(lists_, sets_, TallyingTrash(trash, outcome.moved), work);
    UncountPutBack(outcome);
    ListsChanged();
    return outcome;
}

TrashOutcome Session::ReplaceMarked(Replacement how, const LongWork& work) {
    Sets();
    TrashOutcome outcome;
    const auto replace = [&](const std::string& path, const std::string& original) {
        const FileFacts before = StatFacts(path);
        if (before.blocksShared) // a clone already: it leaves the lists, nothing to free
            return std::optional<KeptDuplicate>();
        auto refused = IsProtected(path) ? KeptDuplicate{path, KeepReason::Protected, {}}
                                         : ReplaceIfCopy(path, original, how);
        if (refused && refused->reason == KeepReason::SameFile) // a link to it already
            return std::optional<KeptDuplicate>();
        if (!refused) {
            ++outcome.moved.files;
            outcome.moved.bytes += before.exists ? before.size : 0;
        }
        return refused;
    };
    outcome.kept = ActOnMarkedFiles(lists_, sets_, replace, work);
    ListsChanged();
    return outcome;
}

void Session::ExportSets(const std::string& file) {
    twinsweep::ExportSets(file, Sets(), *lists_.paths);
}

std::vector<std::string> Session::SaveProject(const std::string& file, const ColumnWidths& widths,
                                              const LongWork& work) const {
    // The criteria's dates in the same order and separators whatever the language, as any
    // language reads them.
    std::vector<std::string> leftOut;
    twinsweep::SaveProject(file, twinsweep::ProjectLines(choices_, lists_, table_, widths,
                                                         TFormatSettings{}, work, &leftOut));
    return leftOut;
}

ColumnWidths Session::LoadProject(const std::string& file, const LongWork& work) {
    Project project = twinsweep::LoadProject(file, choices_, captions_, work);
    SetChoices(std::move(project.choices));
    Adopt(std::move(project.lists));
    Adopt(std::move(project.table));
    SetCaptions(captions_); // the file's are those of the language it was saved in
    return project.widths;
}

std::string Session::ListsFault() const {
    if (!NumbersResolve(lists_))
        return "a list names a path outside the lists' store";
    if (lists_.LL1.size() != lists_.LBB2.size())
        return "LL1 does not run parallel to LBB2";
    std::vector<bool> hasMembers(lists_.LBB1.size(), false);
    for (const int group : lists_.LL1) {
        if (group < 0 || static_cast<size_t>(group) >= lists_.LBB1.size())
            return "a duplicate of no group: " + std::to_string(group);
        hasMembers[static_cast<size_t>(group)] = true;
    }
    for (size_t g = 0; g < hasMembers.size(); ++g)
        if (!hasMembers[g])
            return "group " + std::to_string(g) + " has no member";
    if (lists_.current1 < -1 || lists_.current1 >= static_cast<int>(lists_.LBB1.size()))
        return "LBB1's current entry lies outside it";
    if (lists_.current2 < -1 || lists_.current2 >= static_cast<int>(lists_.LBB2.size()))
        return "LBB2's current entry lies outside it";
    return {};
}

void Session::ListsChanged() {
    setsStale_ = true;
#ifdef TWINSWEEP_CHECK_STATE
    if (!NumbersResolve(lists_)) {
        std::fputs("a result list names a path outside its store\n", stderr);
        std::abort();
    }
#endif
}

} // namespace twinsweep
