#pragma once
// The road from the user's choices to the duplicate scan, which the session takes: the choices
// become a search's criteria, each found file a row of the table, and the finished table is
// sorted by size for the scan.
#include <string>

#include "DateTime.h"
#include "DateTimeText.h"
#include "FileSearch.h"
#include "FileTable.h"
#include "SearchFolders.h"

namespace twinsweep {

// A bound made of a date and a time of day, each counted only when switched on.
struct DateTimeChoice {
    bool dateOn = false;
    TDateTime date = 0;
    bool timeOn = false;
    TDateTime time = 0;

    // 0 (no bound), a whole date, a time of day, or both.
    TDateTime Bound() const;
    bool operator==(const DateTimeChoice&) const = default;
};

enum class DateRange { None = -1, Created = 0, Modified = 1, Accessed = 2 };

// What the user chose on the search page.
struct SearchChoices {
    std::string folder; // searched as it is named, ";", "*" and "?" included
    FolderRole folderRole = FolderRole::Searched;
    std::vector<SearchFolder> moreFolders; // searched beside it
    TextLines exclusions;                  // as Exclusions takes them
    bool subfolders = true;
    bool extensionOnly = false;
    std::string extension; // without the dot
    // hidden: names beginning with "." are listed and entered; off, they are skipped.
    bool archive = true, readonly = true, hidden = true, system = true;
    int64_t sizeMinKB = 0, sizeMaxKB = 0; // 0 is no bound
    // Bounds in bytes, finer than the window's; where not 0 they take the place of those above.
    int64_t sizeMinBytes = 0, sizeMaxBytes = 0;
    DateRange dateRange = DateRange::Modified;
    DateTimeChoice before, after;

    bool operator==(const SearchChoices&) const = default;
};

// The folder and the more folders, in that order; empty paths left out.
std::vector<SearchFolder> AllFolders(const SearchChoices& choices);
// True when the choices search one folder, protect none and exclude nothing.
bool OneFolderOnly(const SearchChoices& choices);

// Sets every criterion of `search` from the choices; the other criteria keep their values.
// Every folder is a target, the protected ones first. Raises EFileSearchError for an
// extension holding a folder separator.
void ConfigureSearch(TFileSearch& search, const SearchChoices& choices);

// Appends a found file to the table; its date is written with the table's date formats.
void AppendFoundFile(FileTable& table, const std::string& folder, const TSearchRec& entry);

// Readies the table of a completed search for the scan: sorted by size, and among files of
// one size the protected ones last, where the scan starts, so that they become references.
void FinishTable(FileTable& table, const ProtectedFolders& protectedFolders = {});

} // namespace twinsweep
