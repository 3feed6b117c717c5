#pragma once
// What makes a file the same file under any of its paths: its device and inode.
#include <compare>
#include <sys/stat.h>
#include <sys/types.h>

namespace twinsweep {

struct FileId {
    dev_t device = 0;
    ino_t inode = 0;

    static FileId Of(const struct stat& info) { return {info.st_dev, info.st_ino}; }
    auto operator<=>(const FileId&) const = default;
};

} // namespace twinsweep
