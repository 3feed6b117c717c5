#pragma once
// What kind of file system holds a file: statfs's answer.
#include <mutex>
#include <string>
#include <sys/types.h>
#include <unordered_map>

namespace twinsweep {

// The statfs type (f_type) of the file system that holds `path`; 0 when statfs fails.
unsigned long FileSystemType(const std::string& path);

// FileSystemType asked once per device, from any thread. A device number comes back after
// an unmount for another mount, so a cache lasts one piece of work, such as a scan.
class FileSystemTypes {
public:
    // The type of `device`, which `path` lies on.
    unsigned long Of(dev_t device, const std::string& path);

private:
    std::mutex lock_;
    std::unordered_map<dev_t, unsigned long> known_;
};

// File systems whose files can share blocks: XFS, Btrfs, bcachefs, ZFS.
bool SharesBlocks(unsigned long type);

// File systems that show files another one keeps: overlays and other unions over their
// layers, FUSE, network file systems. An overlay shows its lower files under its own
// device with their own inode numbers, so that one file has two devices.
bool IsStacked(unsigned long type);

} // namespace twinsweep
