#include "TextLines.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Errors.h"

namespace twinsweep {

namespace {

// Closes a descriptor when leaving scope.
struct FileDescriptor {
    int fd;
    ~FileDescriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

TextLines SplitTextLines(const std::string& text) {
    TextLines lines;
    const size_t end = std::min(text.find('\0'), text.size());
    size_t start = 0;
    while (start < end) {
        size_t stop = start;
        while (stop < end && text[stop] != '\r' && text[stop] != '\n')
            ++stop;
        lines.push_back(text.substr(start, stop - start));
        if (stop < end && text[stop] == '\r' && stop + 1 < end && text[stop + 1] == '\n')
            ++stop;
        start = stop + 1;
    }
    return lines;
}

TextLines ReadTextLines(const std::string& path) {
    FileDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0)
        throw EFOpenError(FormatMessage("Cannot open file \"%s\". %s", {path, std::strerror(errno)}));
    // Only regular files are read: a FIFO or device would block or never end.
    struct stat info {};
    if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode))
        throw EFOpenError(FormatMessage("Cannot open file \"%s\". %s",
                                        {path, std::strerror(S_ISDIR(info.st_mode) ? EISDIR : EINVAL)}));
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw EFOpenError(FormatMessage("Cannot open file \"%s\". %s", {path, std::strerror(errno)}));
        if (n == 0)
            break;
        text.append(buffer, static_cast<size_t>(n));
    }
    return SplitTextLines(text);
}

void WriteTextLines(const std::string& path, const TextLines& lines) {
    FileDescriptor file{::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)};
    if (file.fd < 0)
        throw EFCreateError(FormatMessage("Cannot create file \"%s\". %s", {path, std::strerror(errno)}));
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(file.fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw EFCreateError(FormatMessage("Cannot create file \"%s\". %s", {path, std::strerror(errno)}));
        written += static_cast<size_t>(n);
    }
}

} // namespace twinsweep
