#include "FileSystems.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/statfs.h>

#include "FileDescriptor.h"
#include "LongPath.h"

namespace twinsweep {

unsigned long FileSystemType(const std::string& path) {
    const FileDescriptor file(OpenPath(path, O_PATH | O_CLOEXEC));
    struct statfs info {};
    if (!file || ::fstatfs(file.get(), &info) != 0)
        return 0;
    return static_cast<unsigned long>(info.f_type);
}

unsigned long FileSystemTypes::Of(dev_t device, const std::string& path) {
    {
        const std::lock_guard held(lock_);
        if (const auto at = known_.find(device); at != known_.end())
            return at->second;
    }
    const unsigned long type = FileSystemType(path);
    if (type != 0) {
        const std::lock_guard held(lock_);
        known_.emplace(device, type);
    }
    return type;
}

bool SharesBlocks(unsigned long type) {
    switch (type) {
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case 0xca451a4e: // bcachefs
    case 0x2fc12fc1: // ZFS
        return true;
    default:
        return false;
    }
}

bool IsStacked(unsigned long type) {
    switch (type) {
    case OVERLAYFS_SUPER_MAGIC:
    case 0x61756673: // aufs
    case ECRYPTFS_SUPER_MAGIC:
    case 0x6a656a62: // shiftfs
    case FUSE_SUPER_MAGIC:
    case NFS_SUPER_MAGIC:
    case SMB_SUPER_MAGIC:
    case CIFS_SUPER_MAGIC:
    case SMB2_SUPER_MAGIC:
    case V9FS_MAGIC:
    case CEPH_SUPER_MAGIC:
    case AFS_SUPER_MAGIC:
    case AFS_FS_MAGIC:
    case CODA_SUPER_MAGIC:
    case NCP_SUPER_MAGIC:
    case 0x0bd00bd0: // Lustre
    case 0x20030528: // OrangeFS
    case 0x47504653: // GPFS
        return true;
    default:
        return false;
    }
}

} // namespace twinsweep
