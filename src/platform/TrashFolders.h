#pragma once
// Recognising the desktop trash folders, which a search never enters.
#include <optional>
#include <string_view>

#include "FileId.h"

namespace twinsweep {

// The home trash: $XDG_DATA_HOME/Trash, with $HOME/.local/share when XDG_DATA_HOME is unset
// or not absolute. Links to it are followed; nothing when it does not exist.
std::optional<FileId> HomeTrashFolder();

// Whether a folder of this name at the top of a mount is a trash folder: ".Trash", or
// ".Trash-" followed by a user number.
bool IsMountTrashName(std::string_view name);

// Whether the open folder is the top of a mount: its parent lies on another device, or it
// is its own parent (the root).
bool IsMountTop(int folder);

} // namespace twinsweep
