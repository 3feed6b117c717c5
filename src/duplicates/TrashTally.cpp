#include "TrashTally.h"

namespace twinsweep {

namespace {

int64_t BytesNow(const FileFactsOf& factsOf, std::string_view path) {
    const FileFacts facts = factsOf(path);
    return facts.exists ? facts.size : 0;
}

} // namespace

FilesTally SelectedFiles(const ResultLists& lists, const FileFactsOf& factsOf,
                         const ProtectedFolders& protectedFolders) {
    FilesTally tally;
    std::vector<bool> counted(lists.paths->size(), false);
    for (size_t i = 0; i < lists.LBB2.size(); ++i) {
        const PathStore::Id path = lists.LBB2.IdAt(i);
        if (!lists.IsSelected(i) || counted[path])
            continue;
        counted[path] = true;
        if (protectedFolders.Covers((*lists.paths)[path])) {
            ++tally.protectedKept;
            continue;
        }
        ++tally.files;
        tally.bytes += BytesNow(factsOf, (*lists.paths)[path]);
    }
    return tally;
}

TrashFile TallyingTrash(TrashFile trash, FilesTally& moved, FileFactsOf factsOf) {
    return [trash = std::move(trash), &moved, factsOf = std::move(factsOf)](const std::string& path,
                                                                            std::string& error) {
        const int64_t bytes = BytesNow(factsOf, path);
        if (!trash(path, error))
            return false;
        ++moved.files;
        moved.bytes += bytes;
        return true;
    };
}

} // namespace twinsweep
