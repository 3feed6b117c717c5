#pragma once
// The working state the main window shows and every act on it, free of any window: the
// criteria, the file table, the result lists with their store, the current group and
// selection, and the sets of identical files with their trash marks. The window and the
// headless runner drive the same object; what they show they read from it.
//
// The lists and their store copy and move together (PathList shares its store), and every
// act that changes the lists leaves them whole: each number in LBB1 and LBB2 names a path
// of `paths`, LL1 runs parallel to LBB2, and groups are numbered densely from 0. Debug
// builds check that after each act.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "DuplicateScan.h"
#include "DuplicateSets.h"
#include "FileSearch.h"
#include "FileTable.h"
#include "FindDuplicates.h"
#include "KeepOne.h"
#include "LongWork.h"
#include "ReplaceCopy.h"
#include "ResultLists.h"
#include "TableDump.h"
#include "TrashTally.h"

namespace twinsweep {

class HeadlessHost;

// What a trash did: the files that went with their bytes, and those that stayed with why.
struct TrashOutcome {
    FilesTally moved;
    std::vector<KeptDuplicate> kept;
};

class Session {
public:
    // `host` runs the search's thread's calls on the caller's thread.
    explicit Session(Host& host);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The criteria of the next search, its folders as they are searched. Their protected
    // folders protect the listed files at once.
    const SearchChoices& Choices() const { return choices_; }
    void SetChoices(SearchChoices choices);
    // Whether a listed path lies below a protected folder: it is never marked or trashed.
    bool IsProtected(std::string_view path) const { return protected_.Covers(path); }
    const ProtectedFolders& Protected() const { return protected_; }

    // The criteria of the last search, kept between runs in the user's settings folder:
    // Restore takes them when they were kept (true), Keep keeps the session's. Either
    // failing is silent: remembering the criteria is a courtesy.
    bool RestoreLastSearch();
    void KeepLastSearch() const;

    const FileTable& Table() const { return table_; }
    const ResultLists& Lists() const { return lists_; }

    // Row 0 of the table, its headings; and how its dates are written.
    void SetCaptions(const FileTable::Row& captions);
    void SetDateFormats(const TFormatSettings& formats);

    // The search. BeginSearch empties the table (keeping its headings) and the lists,
    // forgets the marks and configures Search() from the criteria; the caller executes it
    // and hands each found file to AddFoundFile, and its completion to FinishSearch, which
    // sorts the table by size for the scan. Excluded folders are not entered and excluded
    // files not taken; a folder reached from two of the folders is searched once. A search
    // that failed leaves the table empty: what it found is not all there is.
    TFileSearch& Search() { return search_; }
    void BeginSearch();
    void AddFoundFile(const std::string& folder, const TSearchRec& entry);
    void FinishSearch();
    // A whole search on `host` (the session's): returns once it completed. `stopAfter`
    // files taken (excluded ones do not count), or once `going` (asked with the files taken
    // after each file found) answers false, the search is aborted as a cancel would; the
    // files found stay, sorted. True when it was neither aborted nor failed.
    bool SearchAndWait(HeadlessHost& host, size_t stopAfter = SIZE_MAX,
                       const std::function<bool(int files)>& going = {});
    // Why the last search failed (TFileSearch::Failure); nothing when it did not.
    const std::optional<std::string>& SearchFailure() const { return search_.Failure(); }
    // The folders the last search could not list, as TFileSearch names them; none once
    // another table is adopted.
    const std::vector<std::string>& UnlistedFolders() const { return unlisted_; }

    // Scans the table into the lists until the table is empty (true) or the work stops it
    // (false); the rows left stay, and the next Scan resumes where this one stopped.
    bool Scan(const LongWork& work = {}, ScanBytes* bytes = nullptr);
    // What the scans of the table read since it was searched or adopted; its unreadable
    // files sorted, each once.
    const ScanStats& Scanned() const { return scanned_; }

    // Lists or a table of another origin (a project, a test): the marks of the old lists
    // are forgotten; the table keeps its own headings and takes the session's date formats.
    void Adopt(ResultLists lists);
    void Adopt(FileTable table);

    // The current entries as the views set them (-1 for none), and the duplicates'
    // selection.
    void SetCurrentReference(int row) { lists_.current1 = row; }
    void SetCurrentDuplicate(int row) { lists_.current2 = row; }
    void SetSelected(size_t row, bool selected) { lists_.SetSelected(row, selected); }
    // The current group's members become the selection; FollowUp makes the current
    // duplicate's group current. SelectFirstGroup makes group 0 current and selects it.
    void SelectGroup(const LongWork& work = {});
    void FollowUp();
    void SelectFirstGroup();
    // Raises EListError when either list has no current entry; then nothing changed.
    void SwapReferenceAndDuplicate();
    // The path of a list's current entry; raises EListError when there is none.
    std::string CurrentReference() const;
    std::string CurrentDuplicate() const;

    // The selected duplicates, each file once, with their bytes on disk now; the protected
    // ones counted apart.
    FilesTally SelectedFiles() const;
    // Moves the selected duplicates to the trash, each re-checked against its reference
    // right before, and takes every file that went out of the lists. Protected ones stay,
    // reported first.
    TrashOutcome TrashSelected(const TrashFile& trash, const LongWork& work = {});

    // The sets of identical files of the lists, made again when the lists changed since.
    // Marks stay on the files still in a set, as long as every set keeps an unmarked file;
    // a set that would keep none loses its marks. Sets made of protected files only are
    // left out unless all are asked for.
    const std::vector<DuplicateSet>& Sets();
    bool ShowsAllSets() const { return allSets_; }
    void ShowAllSets(bool all);
    // Whether Sets() stands as the lists are; and a count of the times it was made again,
    // so that a view knows when to show it anew.
    bool SetsCurrent() const { return !setsStale_; }
    uint64_t SetsGeneration() const { return setsGeneration_; }
    const std::shared_ptr<PathStore>& Paths() const { return lists_.paths; }
    // Marks or unmarks one member of a set as Sets() last gave them; false, changing
    // nothing, when marking it would leave its set without an unmarked file (or there is
    // no such member).
    bool SetMark(size_t set, size_t member, bool marked);
    // Marks every member of each set but the one the rule keeps; the number of sets marked.
    size_t MarkAllButOne(KeepRule rule, const std::string& folder = {});
    void ClearMarks();
    // The marked files and the bytes their trash would free; the protected files of the
    // sets with marks counted apart.
    FilesTally MarkedFiles();
    // Moves the marked files to the trash, each once an unmarked file of its set proved
    // identical right before, and takes the files that went out of the lists.
    TrashOutcome TrashMarked(const TrashFile& trash, const LongWork& work = {});
    // Replaces each marked file by a clone of, or a hard link to, an unmarked file of its set
    // that proved identical right before (ReplaceCopy.h); the files replaced leave the lists,
    // as the trashed ones do. `moved` counts them with the bytes each had. A file whose
    // blocks are all shared already, or that is a kept file under another name, is left as
    // it is and leaves the lists.
    TrashOutcome ReplaceMarked(Replacement how, const LongWork& work = {});
    // Writes the sets as CSV or JSON, by the file's extension.
    void ExportSets(const std::string& file);

    // Saves the project of the whole state; the names left out of it because they hold a line
    // break, sorted. Raises EProjectLineError for criteria that cannot be saved.
    std::vector<std::string> SaveProject(const std::string& file, const ColumnWidths& widths,
                                         const LongWork& work = {}) const;
    // Loads a project: the whole file is checked first, so one that does not load raises
    // and changes nothing. The criteria's folder stays unless the project names its
    // folders; the table takes the session's headings and date formats. Returns the
    // table's column widths.
    ColumnWidths LoadProject(const std::string& file, const LongWork& work = {});

    // What is wrong with the lists, or nothing: every path number resolves in the lists'
    // store, LL1 runs parallel to LBB2, groups are dense and each has a member, and the
    // current entries lie in their lists.
    std::string ListsFault() const;

private:
    void ListsChanged();

    SearchChoices choices_;
    ProtectedFolders protected_;
    Exclusions exclusions_;
    FileTable::Row captions_;
    TFormatSettings formats_;
    TFileSearch search_;
    std::vector<std::string> unlisted_;
    FileTable table_;
    ScanStats scanned_;
    ResultLists lists_;
    std::vector<DuplicateSet> sets_;
    bool setsStale_ = true;
    bool allSets_ = false;
    uint64_t setsGeneration_ = 0;
};

} // namespace twinsweep
