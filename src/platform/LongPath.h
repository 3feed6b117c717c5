#pragma once
// Opening and examining paths of any length, also longer than PATH_MAX.
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

namespace twinsweep {

// Like open(2): a new descriptor, or -1 with errno set. A path of PATH_MAX bytes or more is
// opened piece by piece, each piece relative to the folder the previous one opened; links
// along the way are followed as open(2) would, and flags apply to the last piece only.
int OpenPath(const std::string& path, int flags, mode_t mode = 0);

// Like lstat(2) for a path of any length: a final symbolic link is examined, not followed.
// False with errno set on failure.
bool StatPath(const std::string& path, struct stat& info);

} // namespace twinsweep
