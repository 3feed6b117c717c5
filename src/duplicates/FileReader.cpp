#include "FileReader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "LongPath.h"
#include "OpenFileLimit.h"

namespace twinsweep {

namespace {

bool SameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

FileStamp StampOf(const struct stat& info) {
    return {FileId::Of(info), info.st_size, info.st_mtim, info.st_ctim};
}

bool RegularStamp(bool found, const struct stat& info, FileStamp& stamp) {
    if (!found || !S_ISREG(info.st_mode))
        return false;
    stamp = StampOf(info);
    return true;
}

constexpr int ReadFlags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;

} // namespace

bool FileStamp::SameContents(const FileStamp& other) const {
    return SameFile(other) && size == other.size && SameTime(modified, other.modified);
}

bool FileStamp::operator==(const FileStamp& other) const {
    return SameContents(other) && SameTime(changed, other.changed);
}

bool StampOfPath(const std::string& path, FileStamp& stamp) {
    struct stat info {};
    return RegularStamp(StatPath(path, info), info, stamp);
}

bool StampAt(int folder, const char* name, FileStamp& stamp) {
    struct stat info {};
    return RegularStamp(::fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) == 0, info, stamp);
}

// Too many files open is no judgement on the file: the open waits for room.
FileReader::FileReader(const std::string& path) {
    Adopt(OpenWaitingForRoom([&] { return OpenPath(path, ReadFlags); }));
}

FileReader::FileReader(int folder, const char* name) {
    Adopt(OpenWaitingForRoom([&] { return ::openat(folder, name, ReadFlags); }));
}

void FileReader::Adopt(int fd) {
    if (fd < 0)
        return;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return;
    }
    fd_ = fd;
    stamp_ = StampOf(info);
    if (stamp_.size > (1 << 20)) // worth a hint only for files read in many blocks
        ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
}

FileReader::~FileReader() { Close(); }

FileReader::FileReader(FileReader&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), stamp_(other.stamp_) {}

FileReader& FileReader::operator=(FileReader&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        stamp_ = other.stamp_;
    }
    return *this;
}

bool FileReader::ReadAt(int64_t offset, char* buffer, size_t length) {
    size_t done = 0;
    while (done < length) {
        const ssize_t n =
            ::pread(fd_, buffer + done, length - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

void FileReader::WillRead(int64_t offset, size_t length) const {
    if (fd_ >= 0 && length > 0)
        ::posix_fadvise(fd_, offset, static_cast<off_t>(length), POSIX_FADV_WILLNEED);
}

bool FileReader::Unchanged() const {
    struct stat info {};
    return fd_ >= 0 && ::fstat(fd_, &info) == 0 && StampOf(info) == stamp_;
}

bool FileReader::Unchanged(const std::string& path) const {
    FileStamp now;
    return Unchanged() && StampOfPath(path, now) && now == stamp_;
}

void FileReader::Close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace twinsweep
