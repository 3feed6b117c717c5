#pragma once
// A new file that has no name until it is whole: a process killed while writing it leaves
// nothing behind.
#include <string>
#include <sys/types.h>

#include "FileDescriptor.h"

namespace twinsweep {

// An unnamed regular file in `folder`, open for writing. Holds nothing, with errno set, when
// it cannot be made; EOPNOTSUPP or EISDIR mean the file system makes no unnamed files.
FileDescriptor OpenUnnamedFile(const std::string& folder, mode_t mode);
bool MakesNoUnnamedFiles(int error);

// Gives an unnamed file its first name, which must not exist yet; false with errno set.
bool NameUnnamedFile(const FileDescriptor& file, const std::string& name);

} // namespace twinsweep
