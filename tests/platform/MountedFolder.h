#pragma once
// A fresh file system mounted on a temporary folder for one test: unmounted (lazily when
// busy) and removed with its image afterwards, whatever the test did. An overlay shows a
// folder beside it: tree() holds "lower" and the overlay "merged" over it, so that a file of
// lower is seen through two devices with one inode number (write lower's files before
// looking through merged). Mounting needs root;
// where it is refused, `why()` says so and the test skips:
//     MountedFolder xfs(MountedFolder::XfsWithReflink);
//     if (!xfs.mounted()) GTEST_SKIP() << xfs.why();
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

class MountedFolder {
public:
    enum Kind {
        XfsWithReflink, // a 300 MB image on a loop device: clones share blocks
        Tmpfs,          // 64 MB of memory: no clones
        Overlay,        // tree("merged") over tree("lower"), its changes kept beside the tree
    };

    explicit MountedFolder(Kind kind) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "twinsweep-mount-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
        mountPoint_ = root_ + (kind == Overlay ? "/tree/merged" : "/mnt");
        std::filesystem::create_directories(mountPoint_);
        if (::geteuid() != 0) {
            why_ = "mounting is not allowed here: not root";
            return;
        }
        const std::string image = root_ + "/image";
        switch (kind) {
        case XfsWithReflink:
            why_ = Run("truncate -s 300M '" + image + "' && mkfs.xfs -q -m reflink=1 '" + image +
                       "' && mount -o loop '" + image + "' '" + mountPoint_ + "'");
            break;
        case Tmpfs:
            why_ = Run("mount -t tmpfs -o size=64m tmpfs '" + mountPoint_ + "'");
            break;
        case Overlay:
            why_ = Run("mkdir '" + tree("lower") + "' '" + root_ + "/upper' '" + root_ +
                       "/work' && mount -t overlay overlay -o 'lowerdir=" + tree("lower") +
                       ",upperdir=" + root_ + "/upper,workdir=" + root_ + "/work' '" + mountPoint_ +
                       "'");
            break;
        }
        mounted_ = why_.empty();
        if (!mounted_)
            why_ = "mounting is not allowed here: " + why_;
    }
    ~MountedFolder() {
        if (mounted_ && ::umount2(mountPoint_.c_str(), 0) != 0)
            ::umount2(mountPoint_.c_str(), MNT_DETACH);
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    MountedFolder(const MountedFolder&) = delete;
    MountedFolder& operator=(const MountedFolder&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& why() const { return why_; }
    // The mounted folder, ending in "/", or a path inside it.
    std::string path(const std::string& relative = "") const {
        return mountPoint_ + "/" + relative;
    }
    // The overlay's tree: "lower" and "merged" over it, or a path inside them.
    std::string tree(const std::string& relative = "") const { return root_ + "/tree/" + relative; }

private:
    // Runs a shell command: nothing when it succeeded, else what it printed.
    static std::string Run(const std::string& command) {
        FILE* pipe = ::popen(("{ " + command + "; } 2>&1").c_str(), "r");
        if (!pipe)
            return "popen failed";
        std::string output;
        std::array<char, 256> chunk;
        while (size_t got = std::fread(chunk.data(), 1, chunk.size(), pipe))
            output.append(chunk.data(), got);
        const int status = ::pclose(pipe);
        if (status == 0)
            return {};
        while (!output.empty() && output.back() == '\n')
            output.pop_back();
        return output.empty() ? command + " failed" : output;
    }

    std::string root_, mountPoint_, why_;
    bool mounted_ = false;
};
