#pragma once
// Reading a folder's entries and their status, without following symbolic links.
#include <cstdint>
#include <ctime>
#include <dirent.h>
#include <string>

#include "AttributeWord.h"

namespace twinsweep {

enum class FileKind { Regular, Directory, SymbolicLink, Special };

// What lstat and statx tell about an entry, and whether its name hides it. Times are UTC.
struct FileStatus {
    FileKind kind = FileKind::Regular;
    bool ownerWritable = true;
    bool hidden = false; // the name begins with "."
    int64_t size = 0;    // 0 for folders and links
    timespec created{};  // birth time where the file system keeps it, else status change
    timespec accessed{};
    timespec written{};

    // Directory for a folder; archive for anything else; read-only when the owner may not
    // write; hidden for a name beginning with "."; system for devices, FIFOs and sockets.
    uint32_t AttributeWord() const;
};

// The entries of one folder in the order the file system gives them, leaving out "." and
// "..".
class DirectoryListing {
public:
    // Takes over a descriptor of the folder opened for reading; -1 lists nothing.
    explicit DirectoryListing(int folder);
    ~DirectoryListing();
    DirectoryListing(const DirectoryListing&) = delete;
    DirectoryListing& operator=(const DirectoryListing&) = delete;

    bool IsOpen() const { return dir_ != nullptr; }
    // Moves to the next entry; false at the end or on a read error.
    bool Next();
    // Whether the listing ended on a read error rather than at its end.
    bool Failed() const { return failed_; }
    // The current entry's name, valid until the next call of Next.
    const char* Name() const { return entry_->d_name; }
    // Whether the current entry is a folder (a link to one is not).
    bool IsDirectory() const;
    // The current entry's status; false when it has gone meanwhile.
    bool Status(FileStatus& status) const;
    // The status of the entry `name` of this folder, from any thread.
    bool StatusOf(const char* name, FileStatus& status) const;
    void Close();

private:
    DIR* dir_ = nullptr;
    dirent* entry_ = nullptr;
    bool failed_ = false;
};

// Whether the folder of `path` lists its name now. A name that still opens may be one a
// file system's cache holds after the file behind it left, as an overlay's.
bool FolderListsName(const std::string& path);

} // namespace twinsweep
