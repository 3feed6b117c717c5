#include "TrashFolders.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <string>

#include "FileDescriptor.h"
#include "LongPath.h"

namespace twinsweep {
namespace {

std::string DataHome() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/')
        return data;
    const char* home = std::getenv("HOME");
    return home && home[0] ? std::string(home) + "/.local/share" : std::string();
}

} // namespace

std::optional<FileId> HomeTrashFolder() {
    const std::string data = DataHome();
    if (data.empty())
        return std::nullopt;
    const FileDescriptor trash(OpenPath(data + "/Trash", O_PATH | O_DIRECTORY | O_CLOEXEC));
    struct stat info {};
    if (!trash || ::fstat(trash.get(), &info) != 0)
        return std::nullopt;
    return FileId::Of(info);
}

bool IsMountTrashName(std::string_view name) {
    constexpr std::string_view trash = ".Trash", perUser = ".Trash-";
    if (name == trash)
        return true;
    if (!name.starts_with(perUser) || name.size() == perUser.size())
        return false;
    return std::all_of(name.begin() + perUser.size(), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

bool IsMountTop(int folder) {
    struct stat own {};
    struct stat parent {};
    if (::fstat(folder, &own) != 0 || ::fstatat(folder, "..", &parent, 0) != 0)
        return false;
    return parent.st_dev != own.st_dev || parent.st_ino == own.st_ino;
}

} // namespace twinsweep
