#include "ReplaceCopy.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <random>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

#include "FileDescriptor.h"
#include "FileReader.h"
#include "Paths.h"
#include "UnnamedFile.h"

namespace twinsweep {

namespace {

// What must not have changed between the comparison and the rename: the duplicate as it
// was (a link to the kept copy changes its ctime only, so the kept copy's contents).
std::optional<FileStamp> StampNow(const std::string& path) {
    FileStamp stamp;
    return StampOfPath(path, stamp) ? std::optional(stamp) : std::nullopt;
}

class ReplaceError {
public:
    ReplaceError(const char* call, int error)
        : text(std::string(call) + ": " + std::strerror(error)), error(error) {}
    std::string text;
    int error;
};

constexpr const char* CloneCall = "FICLONE";

// Copies mode, owner (where permitted), extended attributes and timestamps of `from` to the
// open file `to`; the timestamps last, as the others change ctime only.
void CopyAttributes(int from, int to) {
    struct stat info {};
    if (::fstat(from, &info) != 0)
        throw ReplaceError("fstat", errno);
    if (::fchown(to, info.st_uid, info.st_gid) != 0 && errno != EPERM)
        throw ReplaceError("fchown", errno);
    if (::fchmod(to, info.st_mode & 07777) != 0)
        throw ReplaceError("fchmod", errno);
    const ssize_t length = ::flistxattr(from, nullptr, 0);
    if (length > 0) {
        std::vector<char> names(static_cast<size_t>(length));
        const ssize_t got = ::flistxattr(from, names.data(), names.size());
        for (size_t at = 0; got > 0 && at < static_cast<size_t>(got);
             at += std::strlen(&names[at]) + 1) {
            const char* name = &names[at];
            const ssize_t size = ::fgetxattr(from, name, nullptr, 0);
            if (size < 0)
                continue;
            std::vector<char> value(static_cast<size_t>(size));
            const ssize_t read = ::fgetxattr(from, name, value.data(), value.size());
            if (read >= 0 &&
                ::fsetxattr(to, name, value.data(), static_cast<size_t>(read), 0) != 0 &&
                errno != EPERM && errno != ENOTSUP)
                throw ReplaceError("fsetxattr", errno);
        }
    }
    const timespec times[2] = {info.st_atim, info.st_mtim};
    if (::futimens(to, times) != 0)
        throw ReplaceError("futimens", errno);
}

// A name in `folder` that nothing holds yet; `make` creates it exclusively by `call` and
// returns false with EEXIST when something took it meanwhile.
template <typename Make>
std::string FreshName(const std::string& folder, const char* call, const Make& make) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name =
            folder + ".twinsweep-" + std::to_string(random() % 1'000'000'000'000ull) + ".tmp";
        if (make(name))
            return name;
        if (errno != EEXIST)
            throw ReplaceError(call, errno);
    }
    throw ReplaceError(call, EEXIST);
}

// The clone is made without a name (O_TMPFILE) and named once it holds the kept copy's bytes
// and the duplicate's attributes: a process killed midway leaves no name, or one holding
// those bytes. Where files cannot be made without a name, it is named from the start.
std::string MakeClone(const std::string& path, const std::string& kept) {
    const FileDescriptor source(::open(kept.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    const FileDescriptor duplicate(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (!source || !duplicate)
        throw ReplaceError("open", errno);
    const std::string folder = ExtractFilePath(path);
    FileDescriptor clone = OpenUnnamedFile(folder, 0600);
    std::string fresh;
    if (!clone && MakesNoUnnamedFiles(errno))
        fresh = FreshName(folder, "open", [&](const std::string& name) {
            clone.reset(
                ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
            return bool(clone);
        });
    if (!clone)
        throw ReplaceError("open", errno);
    try {
        if (::ioctl(clone.get(), FICLONE, source.get()) != 0)
            throw ReplaceError(CloneCall, errno);
        CopyAttributes(duplicate.get(), clone.get());
        if (fresh.empty())
            fresh = FreshName(folder, "link", [&](const std::string& name) {
                return NameUnnamedFile(clone, name);
            });
    } catch (...) {
        if (!fresh.empty())
            ::unlink(fresh.c_str());
        throw;
    }
    return fresh;
}

std::string MakeHardLink(const std::string& path, const std::string& kept) {
    return FreshName(ExtractFilePath(path), "link", [&](const std::string& name) {
        return ::link(kept.c_str(), name.c_str()) == 0;
    });
}

// The words for the user: a file system without clones, or two file systems, say more than
// the call that failed.
KeepReason ReasonOf(const ReplaceError& e, Replacement how) {
    if (e.error == EXDEV)
        return KeepReason::OtherFileSystem;
    const bool cloning = how == Replacement::Clone && e.text.starts_with(CloneCall);
    if (cloning &&
        (e.error == EOPNOTSUPP || e.error == EINVAL || e.error == ENOTTY || e.error == ENOSYS))
        return KeepReason::NoClones;
    return KeepReason::ReplaceFailed;
}

} // namespace

std::optional<KeptDuplicate> ReplaceIfCopy(const std::string& path, const std::string& kept,
                                           Replacement how) {
    // Both files as compared: a write to either before the rename would put other bytes
    // under the duplicate's name.
    const std::optional<FileStamp> compared = StampNow(path);
    const std::optional<FileStamp> keptCompared = StampNow(kept);
    if (auto refused = CheckCopy(path, kept))
        return refused;
    try {
        const std::string fresh =
            how == Replacement::Clone ? MakeClone(path, kept) : MakeHardLink(path, kept);
        const std::optional<FileStamp> keptNow = StampNow(kept);
        if (!compared || StampNow(path) != compared || !keptCompared || !keptNow ||
            !keptNow->SameContents(*keptCompared)) {
            ::unlink(fresh.c_str());
            return KeptDuplicate{path, KeepReason::Changed, kept};
        }
        if (::rename(fresh.c_str(), path.c_str()) != 0) {
            const int error = errno;
            ::unlink(fresh.c_str());
            throw ReplaceError("rename", error);
        }
    } catch (const ReplaceError& e) {
        return KeptDuplicate{path, ReasonOf(e, how), e.text};
    }
    return std::nullopt;
}

} // namespace twinsweep
