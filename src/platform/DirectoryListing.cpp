#include "DirectoryListing.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "LongPath.h"
#include "Paths.h"

namespace twinsweep {
namespace {

timespec ToTimespec(const statx_timestamp& t) { return {time_t(t.tv_sec), long(t.tv_nsec)}; }

bool StatAt(int folder, const char* name, FileStatus& status) {
    struct statx st {};
    if (::statx(folder, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT,
                STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_ATIME | STATX_MTIME | STATX_CTIME |
                    STATX_BTIME,
                &st) != 0)
        return false;
    const mode_t mode = st.stx_mode;
    status.hidden = name[0] == '.';
    if (S_ISREG(mode))
        status.kind = FileKind::Regular;
    else if (S_ISDIR(mode))
        status.kind = FileKind::Directory;
    else if (S_ISLNK(mode))
        status.kind = FileKind::SymbolicLink;
    else
        status.kind = FileKind::Special;
    status.ownerWritable = (mode & S_IWUSR) != 0;
    const bool sized = status.kind == FileKind::Regular || status.kind == FileKind::Special;
    status.size = sized ? int64_t(st.stx_size) : 0;
    status.created = ToTimespec((st.stx_mask & STATX_BTIME) ? st.stx_btime : st.stx_ctime);
    status.accessed = ToTimespec(st.stx_atime);
    status.written = ToTimespec(st.stx_mtime);
    return true;
}

bool IsSelfOrParent(const char* name) {
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

} // namespace

uint32_t FileStatus::AttributeWord() const {
    uint32_t word = kind == FileKind::Directory ? faDirectory : faArchive;
    if (!ownerWritable)
        word |= faReadOnly;
    if (hidden)
        word |= faHidden;
    if (kind == FileKind::Special)
        word |= faSysFile;
    return word;
}

DirectoryListing::DirectoryListing(int folder) : dir_(folder < 0 ? nullptr : ::fdopendir(folder)) {
    if (folder >= 0 && !dir_)
        ::close(folder);
}

DirectoryListing::~DirectoryListing() { Close(); }

void DirectoryListing::Close() {
    if (dir_)
        ::closedir(dir_);
    dir_ = nullptr;
    entry_ = nullptr;
}

bool DirectoryListing::Next() {
    if (!dir_)
        return false;
    do {
        errno = 0; // readdir tells an error from the end only by errno
        entry_ = ::readdir(dir_);
    } while (entry_ && IsSelfOrParent(entry_->d_name));
    failed_ = !entry_ && errno != 0;
    return entry_ != nullptr;
}

bool DirectoryListing::IsDirectory() const {
    if (entry_->d_type != DT_UNKNOWN)
        return entry_->d_type == DT_DIR;
    struct stat st {};
    return ::fstatat(::dirfd(dir_), entry_->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISDIR(st.st_mode);
}

bool DirectoryListing::Status(FileStatus& status) const { return StatusOf(entry_->d_name, status); }

bool DirectoryListing::StatusOf(const char* name, FileStatus& status) const {
    return StatAt(::dirfd(dir_), name, status);
}

bool FolderListsName(const std::string& path) {
    const std::string name = ExtractFileName(path), folderPath = ExtractFilePath(path);
    DirectoryListing folder(
        OpenPath(folderPath.empty() ? "." : folderPath, O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    while (folder.Next())
        if (name == folder.Name())
            return true;
    return false;
}

} // namespace twinsweep
