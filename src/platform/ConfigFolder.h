#pragma once
// Where a user's settings live when the program's own folder takes none.
#include <string>

namespace twinsweep {

// $XDG_CONFIG_HOME/twinsweep/ when that variable holds an absolute path, else
// $HOME/.config/twinsweep/; made, with its parents, when missing. Raises EFCreateError
// when it cannot be made.
std::string UserConfigFolder();

// True when files can be made in `folder` by this process (a read-only file system or
// missing write permission says no).
bool FolderWritable(const std::string& folder);

} // namespace twinsweep
