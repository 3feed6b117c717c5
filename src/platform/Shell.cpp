#include "Shell.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <gio/gio.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "DirectoryListing.h"
#include "FileDescriptor.h"
#include "LongPath.h"
#include "Paths.h"
#include "TrashFolders.h"

namespace twinsweep {

namespace {

// A GFile for a path's bytes or for a URI such as https://…
GFile* FileForTarget(const std::string& target) {
    const bool isUri = target.find("://") != std::string::npos;
    return isUri ? g_file_new_for_uri(target.c_str()) : g_file_new_for_path(target.c_str());
}

constexpr int FolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

// The trash folders a file from `folder` may have gone to: the home trash (where GLib
// keeps it), then ".Trash/UID" and ".Trash-UID" at the top of the folder's mount.
std::vector<FileDescriptor> TrashFoldersFor(const std::string& folder) {
    std::vector<FileDescriptor> found;
    const auto add = [&found](int at, const std::string& name) {
        if (FileDescriptor trash(::openat(at, name.c_str(), FolderFlags)); trash)
            found.push_back(std::move(trash));
    };
    add(AT_FDCWD, std::string(g_get_user_data_dir()) + "/Trash");
    FileDescriptor top(OpenPath(folder.empty() ? "." : folder, FolderFlags));
    while (top && !IsMountTop(top.get()))
        top.reset(::openat(top.get(), "..", FolderFlags));
    if (top) {
        const std::string user = std::to_string(::getuid());
        add(top.get(), ".Trash/" + user);
        add(top.get(), ".Trash-" + user);
    }
    return found;
}

// The path an open descriptor names, for messages.
std::string PathOf(int fd) {
    char buffer[4096];
    const ssize_t length =
        ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

// Moves `name` of the open folder `from` to `path`, failing where something is there. File
// systems that cannot refuse to replace in a rename get a link and an unlink instead.
bool MoveBack(int from, const std::string& name, const std::string& path) {
    if (::renameat2(from, name.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    return ::linkat(from, name.c_str(), AT_FDCWD, path.c_str(), 0) == 0 &&
           ::unlinkat(from, name.c_str(), 0) == 0;
}

} // namespace

bool ShellOpen(const std::string& target, std::string* error) {
    GFile* file = FileForTarget(target);
    char* uri = g_file_get_uri(file);
    GAppInfo* handler = nullptr;
    GError* failure = nullptr;
    if (g_file_is_native(file)) {
        handler = g_file_query_default_handler(file, nullptr, &failure);
    } else if (char* scheme = g_uri_parse_scheme(uri)) {
        handler = g_app_info_get_default_for_uri_scheme(scheme);
        g_free(scheme);
    }
    if (handler) {
        g_app_info_launch_default_for_uri_async(uri, nullptr, nullptr, nullptr, nullptr);
        g_object_unref(handler);
    } else if (error) {
        *error = failure ? failure->message : "";
    }
    if (failure)
        g_error_free(failure);
    g_free(uri);
    g_object_unref(file);
    return handler != nullptr;
}

bool MoveToTrash(const std::string& path, std::string* error) {
    GFile* file = g_file_new_for_path(path.c_str());
    GError* failure = nullptr;
    const bool trashed = g_file_trash(file, nullptr, &failure);
    if (failure) {
        if (error)
            *error = failure->message;
        g_error_free(failure);
    }
    g_object_unref(file);
    return trashed;
}

bool PutBackFromTrash(const std::string& path, FileId id, std::string& trashed,
                      std::string& error) {
    trashed.clear();
    for (const FileDescriptor& trash : TrashFoldersFor(ExtractFilePath(path))) {
        const FileDescriptor files(
            ::openat(trash.get(), "files", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        DirectoryListing listing(files ? ::dup(files.get()) : -1);
        while (listing.Next()) {
            struct stat status {};
            if (::fstatat(files.get(), listing.Name(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
                FileId::Of(status) != id)
                continue;
            const std::string name = listing.Name();
            trashed = PathOf(files.get()) + "/" + name;
            if (!MoveBack(files.get(), name, path)) {
                error = std::strerror(errno);
                return false;
            }
            const FileDescriptor info(::openat(trash.get(), "info", FolderFlags));
            ::unlinkat(info.get(), (name + ".trashinfo").c_str(), 0);
            return true;
        }
    }
    error = std::strerror(ENOENT);
    return false;
}

} // namespace twinsweep
