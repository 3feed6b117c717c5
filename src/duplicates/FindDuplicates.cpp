#include "FindDuplicates.h"

#include "TargetList.h"

namespace twinsweep {

namespace {

// The last-write time to show: the packed time when it has one, the real time otherwise.
TDateTime ShownWriteTime(const TSearchRec& entry) {
    return entry.Time != 0 ? FileDateToDateTime(entry.Time)
                           : UnixToLocalDateTime(entry.FindData.LastWriteTime);
}

} // namespace

TDateTime DateTimeChoice::Bound() const {
    return (dateOn ? DateTimeInt(date) : 0) + (timeOn ? DateTimeFrac(time) : 0);
}

std::vector<SearchFolder> AllFolders(const SearchChoices& choices) {
    std::vector<SearchFolder> folders;
    if (!choices.folder.empty())
        folders.push_back({choices.folder, choices.folderRole});
    for (const SearchFolder& folder : choices.moreFolders)
        if (!folder.path.empty())
            folders.push_back(folder);
    return folders;
}

bool OneFolderOnly(const SearchChoices& choices) {
    const std::vector<SearchFolder> folders = AllFolders(choices);
    return folders.size() <= 1 && choices.exclusions.empty() &&
           (folders.empty() || folders[0].role == FolderRole::Searched);
}

void ConfigureSearch(TFileSearch& search, const SearchChoices& choices) {
    search.SetFilename(choices.extensionOnly ? "*." + choices.extension : "*.*");
    TextLines targets;
    for (const FolderRole role : {FolderRole::Protected, FolderRole::Searched})
        for (const SearchFolder& folder : AllFolders(choices))
            if (folder.role == role)
                targets.push_back(FolderTarget(folder.path, search.Filename()));
    if (targets.empty()) // the current folder, as an empty folder always searched
        targets.push_back(FolderTarget(choices.folder, search.Filename()));
    search.SetIncludeFiles(targets);
    search.SetSubfolders(choices.subfolders);
    TFileAttributes attributes;
    if (choices.archive)
        attributes.Include(ffArchive);
    if (choices.readonly)
        attributes.Include(ffReadonly);
    if (choices.hidden)
        attributes.Include(ffHidden);
    if (choices.system)
        attributes.Include(ffSystem);
    search.SetAttributes(attributes);
    search.SetIncludeHidden(choices.hidden);
    search.SetSizeMin(choices.sizeMinBytes ? choices.sizeMinBytes : choices.sizeMinKB * 1024);
    search.SetSizeMax(choices.sizeMaxBytes ? choices.sizeMaxBytes : choices.sizeMaxKB * 1024);

    const TDateTime before = choices.before.Bound();
    const TDateTime after = choices.after.Bound();
    const auto chosen = [&](DateRange range, TDateTime bound) {
        return choices.dateRange == range ? bound : 0;
    };
    search.SetCreatedBefore(chosen(DateRange::Created, before));
    search.SetCreatedAfter(chosen(DateRange::Created, after));
    search.SetModifiedBefore(chosen(DateRange::Modified, before));
    search.SetModifiedAfter(chosen(DateRange::Modified, after));
    search.SetAccessedBefore(chosen(DateRange::Accessed, before));
    search.SetAccessedAfter(chosen(DateRange::Accessed, after));
}

void AppendFoundFile(FileTable& table, const std::string& folder, const TSearchRec& entry) {
    table.Append(folder, entry.Name, entry.Size, ShownWriteTime(entry));
}

void FinishTable(FileTable& table, const ProtectedFolders& protectedFolders) {
    if (protectedFolders.empty())
        table.SortBySize();
    else
        table.SortBySize([&](std::string_view folder) { return protectedFolders.Covers(folder); });
}

} // namespace twinsweep
