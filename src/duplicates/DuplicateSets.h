#pragma once
// The sets of identical files behind the pairwise result lists: a reference and the
// members of its group are one set, and groups that share a file merge.
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "FileId.h"
#include "ResultLists.h"
#include "SearchFolders.h"

namespace twinsweep {

// What the file system says of a listed path now.
struct FileFacts {
    bool exists = false; // a regular file (symbolic links followed, as the scan reads them)
    FileId id;
    int64_t size = -1;
    int64_t modified = 0; // nanoseconds since 1970-01-01 UTC
    // Every block is shared with another file (a clone, a snapshot): trashing or replacing
    // the file frees nothing. Asked only of file systems that share blocks.
    bool blocksShared = false;
};

// Asked from several threads at once.
using FileFactsOf = std::function<FileFacts(std::string_view path)>;
FileFacts StatFacts(std::string_view path);

struct SetMember {
    PathStore::Id path;
    FileFacts facts;
    bool marked = false;      // to be moved to the trash
    bool isProtected = false; // below a protected folder: never marked
};

struct DuplicateSet {
    int64_t size = 0;               // of each file
    std::vector<SetMember> members; // in the order the lists first name them
    // The files that could go and free their bytes: those beyond one, or beyond the protected
    // ones and those whose blocks are shared when it has any. Paths to one file count once
    // (protected when one of them is), vanished files and files of shared blocks not at all.
    size_t extraFiles = 0;
    // The bytes that trashing all but one member would free: extraFiles of `size` each.
    int64_t freeable = 0;
};

// The sets, in the order the lists first name them (LBB1's groups in turn); a set's size
// is that of its first member that exists. Entries of no group are left out.
std::vector<DuplicateSet> SetsOf(const ResultLists& lists, const FileFactsOf& factsOf = StatFacts,
                                 const ProtectedFolders& protectedFolders = {});
// True when every member of the set is protected: it holds nothing to free.
bool AllProtected(const DuplicateSet& set);

// The sum of the sets' freeable bytes.
int64_t FreeableBytes(const std::vector<DuplicateSet>& sets);

// The sum of the sets' extra files.
size_t ExtraFiles(const std::vector<DuplicateSet>& sets);

// The members of all the sets.
size_t MemberCount(const std::vector<DuplicateSet>& sets);

// The bytes that trashing the set's marked members would free: each marked file that no
// unmarked member names too, counted once.
int64_t MarkedBytes(const DuplicateSet& set);

} // namespace twinsweep
