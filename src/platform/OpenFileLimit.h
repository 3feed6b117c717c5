#pragma once
// The open-file limit: raised once at start, shared among the readers, and waited on when
// the process meets it.
#include <cstddef>
#include <functional>

namespace twinsweep {

// Raises the soft limit of open files to the hard one.
void RaiseOpenFileLimit();

// The files each of `readers` threads may keep open at once: the soft limit, less a reserve
// for the program's other files, shared among them; at least 2, at most `most`.
size_t OpenFilesPerReader(unsigned readers, size_t most);

// Runs `open` (a descriptor, or -1 with errno set) again while it fails because the
// process or the system has too many files open, for about a second at most, as other
// threads close theirs meanwhile. The last result.
int OpenWaitingForRoom(const std::function<int()>& open);

} // namespace twinsweep
