#include "TextLines.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Errors.h"
#include "FileDescriptor.h"
#include "Paths.h"
#include "UnnamedFile.h"

namespace twinsweep {

namespace {

// Why a file of this mode is not read or written as text lines.
std::string NotRegularReason(mode_t mode) {
    return S_ISDIR(mode) ? std::strerror(EISDIR) : "Not a regular file";
}

// Opens `path` only when it is a regular file (or, with O_CREAT, a new one); returns -1
// with the reason otherwise. A special file is refused before it is opened; O_NONBLOCK
// and the check after opening cover a name that changed meanwhile, so a FIFO never blocks.
int OpenRegularFile(const std::string& path, int flags, std::string& reason) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        reason = NotRegularReason(info.st_mode);
        return -1;
    }
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        reason = std::strerror(errno);
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        reason = NotRegularReason(info.st_mode);
        ::close(fd);
        return -1;
    }
    return fd;
}

EFOpenError OpenError(const std::string& path, const std::string& reason) {
    return EFOpenError(FormatMessage("Cannot open file \"%s\". %s", {path, reason}));
}

EFCreateError CreateError(const std::string& path, const std::string& reason) {
    return EFCreateError(FormatMessage("Cannot create file \"%s\". %s", {path, reason}));
}

// At most `limit` bytes from the current position.
std::string ReadUpTo(int fd, size_t limit, const std::string& path) {
    std::string text;
    char buffer[65536];
    while (text.size() < limit) {
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, limit - text.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw OpenError(path, std::strerror(errno));
        if (n == 0)
            break;
        text.append(buffer, static_cast<size_t>(n));
    }
    return text;
}

std::string JoinedLines(const TextLines& lines) {
    size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void WriteAll(int fd, const std::string& text, const std::string& path) {
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw CreateError(path, std::strerror(errno));
        written += static_cast<size_t>(n);
    }
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

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

TextLines ReadTextLines(const std::string& path, size_t maxBytes) {
    std::string reason;
    const FileDescriptor file(OpenRegularFile(path, O_RDONLY, reason));
    if (!file)
        throw OpenError(path, reason);
    // One byte past the bound tells whether the file goes on.
    std::string text = ReadUpTo(file.get(), maxBytes == WholeFile ? WholeFile : maxBytes + 1, path);
    text.resize(std::min(text.find('\0'), text.size()));
    if (text.size() > maxBytes) {
        // The bound cuts the text: the line it cuts is left out.
        text.resize(maxBytes);
        const size_t lastBreak = text.find_last_of("\r\n");
        text.resize(lastBreak == std::string::npos ? 0 : lastBreak + 1);
    }
    return SplitTextLines(text);
}

LinesOfText::LinesOfText(std::string text) : text_(std::move(text)) {
    text_.resize(std::min(text_.find('\0'), text_.size()));
}

LinesOfText::LinesOfText(const TextLines& lines) {
    for (const std::string& line : lines)
        (text_ += line) += '\n';
    text_.resize(std::min(text_.find('\0'), text_.size()));
}

bool LinesOfText::Has(size_t i) const {
    if (text_.empty())
        return false;
    if (starts_.empty())
        starts_.push_back(0);
    while (starts_.size() <= i) {
        const size_t stop = text_.find_first_of("\r\n", starts_.back());
        if (stop == std::string::npos)
            return false;
        const size_t next = stop + (text_.compare(stop, 2, "\r\n") == 0 ? 2 : 1);
        if (next >= text_.size())
            return false;
        starts_.push_back(next);
    }
    return true;
}

size_t LinesOfText::size() const {
    if (count_ == WholeFile) {
        count_ = 0;
        for (size_t i = 0; i < text_.size(); ++i)
            if (text_[i] == '\n' ||
                (text_[i] == '\r' && (i + 1 == text_.size() || text_[i + 1] != '\n')))
                ++count_;
        if (!text_.empty() && text_.back() != '\n' && text_.back() != '\r')
            ++count_;
    }
    return count_;
}

std::string_view LinesOfText::View(size_t i) const {
    if (!Has(i))
        throw EListError(FormatMessage("List index out of bounds (%d)", {std::to_string(i)}));
    const std::string_view text(text_);
    const size_t start = starts_[i];
    return text.substr(start, std::min(text.find_first_of("\r\n", start), text.size()) - start);
}

LinesOfText ReadLinesOfText(const std::string& path, size_t largest) {
    std::string reason;
    const FileDescriptor file(OpenRegularFile(path, O_RDONLY, reason));
    if (!file)
        throw OpenError(path, reason);
    struct stat info {};
    if (::fstat(file.get(), &info) == 0 && static_cast<uint64_t>(info.st_size) > largest)
        throw OpenError(path, std::strerror(EFBIG));
    std::string text = ReadUpTo(file.get(), largest + 1, path);
    if (text.size() > largest) // it grew meanwhile
        throw OpenError(path, std::strerror(EFBIG));
    return LinesOfText(std::move(text));
}

void WriteTextLines(const std::string& path, const TextLines& lines) {
    std::string reason;
    const FileDescriptor file(OpenRegularFile(path, O_WRONLY | O_CREAT, reason));
    if (!file)
        throw CreateError(path, reason);
    // Emptied only now that it is known to be a regular file.
    if (::ftruncate(file.get(), 0) != 0)
        throw CreateError(path, std::strerror(errno));
    WriteAll(file.get(), JoinedLines(lines), path);
}

void ReplaceTextLines(const std::string& path, const TextLines& lines) {
    ReplaceFileText(path, JoinedLines(lines));
}

void ReplaceFileText(const std::string& path, const std::string& text) {
    std::string target = path;
    if (char* real = ::realpath(path.c_str(), nullptr)) {
        target = real;
        std::free(real);
    }
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
        throw CreateError(path, NotRegularReason(old.st_mode));
    // What a save killed between naming its file and the rename left.
    const std::string part = target + SavePartSuffix;
    ::unlink(part.c_str());
    const std::string folder = ExtractFilePath(target);
    FileDescriptor file = OpenUnnamedFile(folder.empty() ? "." : folder, 0600);
    const bool unnamed = bool(file);
    if (!unnamed && MakesNoUnnamedFiles(errno))
        file.reset(
            ::open(part.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!file)
        throw CreateError(path, std::strerror(errno));
    bool named = !unnamed;
    try {
        if (::fchmod(file.get(), replacing ? old.st_mode & 07777 : NewFileMode()) != 0)
            throw CreateError(path, std::strerror(errno));
        WriteAll(file.get(), text, path);
        if (::fsync(file.get()) != 0)
            throw CreateError(path, std::strerror(errno));
        if (!named && !(named = NameUnnamedFile(file, part)))
            throw CreateError(path, std::strerror(errno));
        if (::close(file.release()) != 0 || ::rename(part.c_str(), target.c_str()) != 0)
            throw CreateError(path, std::strerror(errno));
    } catch (...) {
        if (named)
            ::unlink(part.c_str());
        throw;
    }
}

} // namespace twinsweep
