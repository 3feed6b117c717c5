#include "UnnamedFile.h"

#include <fcntl.h>
#include <unistd.h>

namespace twinsweep {

FileDescriptor OpenUnnamedFile(const std::string& folder, mode_t mode) {
    return FileDescriptor(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
}

bool MakesNoUnnamedFiles(int error) { return error == EOPNOTSUPP || error == EISDIR; }

bool NameUnnamedFile(const FileDescriptor& file, const std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(file.get());
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

} // namespace twinsweep
