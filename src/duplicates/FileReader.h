#pragma once
// Reading a regular file in blocks. Special files are never opened (a FIFO would block,
// a device may never end) and links are not followed.
#include <cstdint>
#include <ctime>
#include <string>
#include <sys/types.h>

#include "FileId.h"

namespace twinsweep {

// Which file an open descriptor or a path names, and the state of its content.
struct FileStamp {
    FileId id;
    int64_t size = 0;
    timespec modified{};
    timespec changed{};

    // The same file: same device and inode, whatever its content.
    bool SameFile(const FileStamp& other) const { return id == other.id; }
    // The same file with the same size and modification time: the content it had, whatever
    // befell its status (a link, a rename, a mode).
    bool SameContents(const FileStamp& other) const;
    // The same file with the same size and times, so with the content it had.
    bool operator==(const FileStamp& other) const;
};

// The stamp of what a path names now, without following a final link; nothing when the
// path names no regular file.
bool StampOfPath(const std::string& path, FileStamp& stamp);
// The same for `name` inside the open folder `folder`.
bool StampAt(int folder, const char* name, FileStamp& stamp);

class FileReader {
public:
    // Opens a regular file for reading; IsOpen() tells whether that worked.
    explicit FileReader(const std::string& path);
    // Opens `name` inside the open folder `folder`.
    FileReader(int folder, const char* name);
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;
    FileReader(FileReader&& other) noexcept;
    FileReader& operator=(FileReader&& other) noexcept;

    bool IsOpen() const { return fd_ >= 0; }
    int64_t Size() const { return stamp_.size; }
    // The file as it was when opened.
    const FileStamp& Stamp() const { return stamp_; }
    // Fills `length` bytes from `offset`; false on a read error or when the file is shorter.
    bool ReadAt(int64_t offset, char* buffer, size_t length);
    // Asks the kernel to start reading these bytes now, without waiting for them: many
    // requests in flight keep a slow disk busy.
    void WillRead(int64_t offset, size_t length) const;
    // True while the opened file keeps the size and times it had when opened.
    bool Unchanged() const;
    // True while, besides, `path` (the one opened) still names the opened file: what was
    // read is then the content the path holds.
    bool Unchanged(const std::string& path) const;
    void Close();

private:
    void Adopt(int fd);

    int fd_ = -1;
    FileStamp stamp_;
};

} // namespace twinsweep
