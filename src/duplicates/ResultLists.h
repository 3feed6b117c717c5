#pragma once
// The results of a duplicate scan: one reference per group (LBB1, its position is the group
// number), the duplicates (LBB2) with the group of each (LL1, parallel to LBB2), and LL2,
// which only project files carry. LBB1 and LBB2 share one store of paths. Besides the
// entries, the lists have the state the user works with: the current entry of each
// visible list and the selection of LBB2.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "FileReader.h"
#include "LongWork.h"
#include "PathList.h"
#include "TextLines.h"

namespace twinsweep {

struct ResultLists {
    std::shared_ptr<PathStore> paths = std::make_shared<PathStore>();
    PathList LBB1{paths};
    PathList LBB2{paths};
    GroupList LL1;
    TextLines LL2;               // filled by nothing; project files save and load it
    int current1 = -1;           // LBB1's current entry, -1 for none
    int current2 = -1;           // LBB2's current entry, -1 for none
    std::vector<bool> selected2; // LBB2's selection; entries past its end are not selected

    bool IsSelected(size_t i) const { return i < selected2.size() && selected2[i]; }
    void SetSelected(size_t i, bool selected);
    bool AnySelected() const;
    // Empties LBB1, LBB2 and LL1 with their current entries and selection.
    void ClearResults();
    // Whether LBB1 and LBB2 number their paths in `paths`, as every path number assumes.
    bool OneStore() const { return LBB1.Uses(paths) && LBB2.Uses(paths); }
};

// The group selection: exactly the members of LBB1's current group become selected in
// LBB2, and LBB2's current entry is one of them: the first, unless it already was. The
// work's keepGoing runs once per 65,536 entries; the selection is always made whole,
// whatever it answers.
void SelectGroup(ResultLists& lists, const LongWork& work = {});

// The group follow-up: the group of LBB2's current entry becomes LBB1's current entry;
// nothing happens when there is none or it belongs to no group.
void FollowUp(ResultLists& lists);

// The path of a list's current entry; raises EListError "List index out of bounds (%d)"
// when there is none.
std::string CurrentEntry(const PathList& list, int current);

// Exchanges LBB2's current entry with its group's reference, which becomes LBB1's current
// entry; raises EListError when either list has none.
void SwapReferenceAndDuplicate(ResultLists& lists);

// Why a chosen duplicate was not moved to the trash.
enum class KeepReason {
    ReferenceGone,   // its group's reference no longer exists (detail: the reference)
    SameFile,        // the reference is the same file under another path (detail: the reference)
    Changed,         // it no longer has its reference's bytes (detail: the reference)
    DuplicateGone,   // the duplicate itself no longer exists
    TrashFailed,     // the trash refused it (detail: the reason given)
    Protected,       // it lies below a protected folder
    ReplaceFailed,   // it could not be replaced by a clone or a link (detail: the call and why)
    NoClones,        // its file system makes no clones (detail: the call and why)
    OtherFileSystem, // a clone or a link of the kept copy cannot reach it (detail: as above)
    // The copy it was checked against vanished when it went to the trash (two paths of one
    // file, which no check told apart); it was put back (detail: that copy).
    KeptGoneWithIt,
    // As KeptGoneWithIt, but putting it back failed: it lies in the trash (detail: where, and
    // why it stayed there).
    PutBackFailed,
};

struct KeptDuplicate {
    std::string path;
    KeepReason reason;
    std::string detail;
};

// Moves one file to the trash; false, with the reason in `error`, when it could not.
using TrashFile = std::function<bool(const std::string& path, std::string& error)>;

// Moves the selected duplicates (as selected when called) to the trash and removes them
// from LBB2 and LL1, then selects the current group again and removes groups left without
// members: the current one, then the first ones until a group with members is current.
// Right before each move the duplicate is compared with its group's reference; unless the
// reference still exists, is another file and has the same bytes, the duplicate stays, as
// does one the trash refused. Those are returned, in list order, with their reason.
// Files that went leave the other groups as RemoveFiles takes them out, and groups the
// delete left without members go.
// The work's keepGoing runs between entries; once it answers false no further file is
// moved (those stay listed, and are not reported), but the lists are still left whole.
std::vector<KeptDuplicate> DeleteSelectedDuplicates(ResultLists& lists, const TrashFile& trash,
                                                    const LongWork& work = {});

// Removes group g from LBB1 and renumbers the later groups in LL1.
void RemoveGroup(ResultLists& lists, int g);

// Nothing when `path` proves, now, to be another file with the bytes of `original`;
// otherwise the reason it must stay (`original` named as detail). `originalStamp`, when
// given, receives `original`'s stamp as it was compared.
std::optional<KeptDuplicate> CheckCopy(const std::string& path, const std::string& original,
                                       FileStamp* originalStamp = nullptr);

// Moves `path` to the trash once it proved to be another file with the bytes of
// `original`, right before; the reason it stays otherwise (`original` named as detail).
// Then TrashIfKeptStays.
std::optional<KeptDuplicate> TrashIfCopy(const std::string& path, const std::string& original,
                                         const TrashFile& trash);

// Moves `path` to the trash, then confirms that `kept` still opens as the file `keptStamp`
// recorded (device, inode, size, modification time) and is still listed in its folder when
// its status changed meanwhile. Where it is not, the trash took it with `path`: `path` comes
// back from the desktop trash at once (PutBackFromTrash) and stays, KeptGoneWithIt, or
// PutBackFailed with the file's place in the trash. TrashFailed when the trash refused it.
std::optional<KeptDuplicate> TrashIfKeptStays(const std::string& path, const std::string& kept,
                                              const FileStamp& keptStamp, const TrashFile& trash);

// Takes the files of `gone` (indexed by path number) out of the lists: their entries in
// LBB2 go; a reference that goes is replaced by the first member of its group that stays,
// whose entry goes in turn; then every group left without members is removed and the
// later groups renumbered, as RemoveGroup does. The current group stays current while it
// lasts (else the one after it, or the last), its members become the selection, and LBB2
// has no current entry.
void RemoveFiles(ResultLists& lists, const std::vector<bool>& gone);

} // namespace twinsweep
