#include "LongPath.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>

#include "FileDescriptor.h"
#include "Paths.h"

namespace twinsweep {
namespace {

bool FitsOneCall(const std::string& path) { return path.size() < PATH_MAX; }

// Opens the folders that lead to the tail of a long path, cutting at separators so that
// every piece fits one call. Returns the folder the tail is relative to and sets tail to
// where it starts in path; an empty descriptor with errno set on failure.
FileDescriptor OpenLeadingFolders(const std::string& path, size_t& tail) {
    FileDescriptor folder;
    std::string piece;
    // Cuts come before the last name, so trailing separators stay on the tail.
    const size_t lastName = path.find_last_not_of(PathDelim);
    size_t start = 0;
    while (path.size() - start >= PATH_MAX) {
        const size_t cut = lastName == std::string::npos
                               ? std::string::npos
                               : path.rfind(PathDelim, std::min(start + PATH_MAX - 1, lastName));
        if (cut == std::string::npos || cut <= start) {
            errno = ENAMETOOLONG; // one name longer than a whole call allows
            return {};
        }
        piece.assign(path, start, cut - start);
        const int at = folder ? folder.get() : AT_FDCWD;
        FileDescriptor next(::openat(at, piece.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!next)
            return {};
        folder = std::move(next);
        // Repeated separators would make the next piece absolute.
        start = path.find_first_not_of(PathDelim, cut);
    }
    tail = start;
    return folder;
}

} // namespace

int OpenPath(const std::string& path, int flags, mode_t mode) {
    if (FitsOneCall(path))
        return ::open(path.c_str(), flags, mode);
    size_t tail = 0;
    const FileDescriptor folder = OpenLeadingFolders(path, tail);
    if (!folder)
        return -1;
    return ::openat(folder.get(), path.c_str() + tail, flags, mode);
}

bool StatPath(const std::string& path, struct stat& info) {
    if (FitsOneCall(path))
        return ::lstat(path.c_str(), &info) == 0;
    size_t tail = 0;
    const FileDescriptor folder = OpenLeadingFolders(path, tail);
    if (!folder)
        return false;
    return ::fstatat(folder.get(), path.c_str() + tail, &info, AT_SYMLINK_NOFOLLOW) == 0;
}

} // namespace twinsweep
