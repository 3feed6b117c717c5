#include "ContentPattern.h"

#include <cerrno>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "FileDescriptor.h"
#include "LongPath.h"

namespace twinsweep {
namespace {

constexpr size_t kBlockSize = 4096;

void UpperCaseInPlace(char* data, size_t size) {
    for (size_t k = 0; k < size; ++k)
        if (data[k] >= 'a' && data[k] <= 'z')
            data[k] = char(data[k] - 'a' + 'A');
}

} // namespace

ContentPattern::ContentPattern(std::string text, bool ignoreCase)
    : text_(std::move(text)), ignoreCase_(ignoreCase) {
    if (ignoreCase_)
        UpperCaseInPlace(text_.data(), text_.size());
}

bool ContentPattern::FoundIn(const std::string& path) const {
    if (text_.empty())
        return true;
    // Non-blocking so that a FIFO put in place meanwhile cannot hang the open.
    FileDescriptor file(OpenPath(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (file.get() < 0 || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;

    // The last length - 1 bytes of a block stay in front of the next one, so a text that
    // crosses the boundary is still seen.
    const size_t keep = text_.size() - 1;
    std::vector<char> buffer(keep + kBlockSize);
    size_t held = 0;
    for (;;) {
        const ssize_t n = ::read(file.get(), buffer.data() + held, kBlockSize);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        if (ignoreCase_)
            UpperCaseInPlace(buffer.data() + held, size_t(n));
        held += size_t(n);
        if (held >= text_.size() && ::memmem(buffer.data(), held, text_.data(), text_.size()))
            return true;
        if (held > keep) {
            ::memmove(buffer.data(), buffer.data() + held - keep, keep);
            held = keep;
        }
    }
}

} // namespace twinsweep
