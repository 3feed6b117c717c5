#include "TableSearch.h"

#include "FileSearch.h"
#include "TargetList.h"

namespace twinsweep::bench {

void SearchIntoTable(const std::string& folder, HeadlessHost& host, FileTable& table) {
    TFileSearch search(host);
    search.SetFilename("*.*");
    search.SetIncludeFiles({FolderTarget(folder, search.Filename())});
    search.SetSubfolders(true);
    search.SetAttributes({ffArchive, ffReadonly, ffHidden, ffSystem});
    search.SetThreaded(true);
    bool complete = false;
    search.OnFound = [&](TFileSearch&, const std::string& Folder, TSearchRec& FileInfo) {
        table.Append(Folder, FileInfo.Name, FileInfo.Size, "");
    };
    search.OnComplete = [&](TFileSearch&) { complete = true; };
    search.Execute();
    host.processUntil([&] { return complete; }, std::chrono::hours(24 * 365));
}

} // namespace twinsweep::bench
