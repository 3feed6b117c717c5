#pragma once
// Reading a regular file in blocks. Special files are never opened (a FIFO would block,
// a device may never end) and links are not followed.
#include <cstdint>
#include <string>

namespace twinsweep {

class FileReader {
public:
    // Opens a regular file for reading; IsOpen() tells whether that worked.
    explicit FileReader(const std::string& path);
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;
    FileReader(FileReader&& other) noexcept;
    FileReader& operator=(FileReader&& other) noexcept;

    bool IsOpen() const { return fd_ >= 0; }
    int64_t Size() const { return size_; }
    // Fills `length` bytes from `offset`; false on a read error or when the file is shorter.
    bool ReadAt(int64_t offset, char* buffer, size_t length);
    void Close();

private:
    int fd_ = -1;
    int64_t size_ = 0;
};

} // namespace twinsweep
