#pragma once
// Frees a duplicate's space while its path stays: the path comes to name a clone of the kept
// copy (its own file sharing the kept copy's blocks) or a hard link to it (one file under two
// names). At every moment the path names the old file or one with the same bytes.
#include <optional>
#include <string>

#include "ResultLists.h"

namespace twinsweep {

enum class Replacement {
    Clone,    // ioctl FICLONE, as cp --reflink=always: a copy-on-write file system only
    HardLink, // the kept copy under the duplicate's name: changing one changes both
};

// Replaces `path` by a clone of, or a hard link to, `kept` once the two proved right before
// to be two files with the same bytes. The new file gets a fresh name in the duplicate's
// folder (created exclusively, never through a link); a clone takes the duplicate's mode,
// owner where permitted, timestamps and extended attributes before it is named, so that a
// name left by a killed process holds the same bytes. Then, if the duplicate is still the
// file that was compared and the kept copy unchanged, the new file is renamed over the
// duplicate. Otherwise, or on any failure, the duplicate stays, the fresh name is gone, and
// the reason is returned: NoClones or OtherFileSystem where the file systems cannot share
// the file, else ReplaceFailed; the detail names the call and the system's words.
std::optional<KeptDuplicate> ReplaceIfCopy(const std::string& path, const std::string& kept,
                                           Replacement how);

} // namespace twinsweep
