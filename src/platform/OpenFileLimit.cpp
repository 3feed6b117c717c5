#include "OpenFileLimit.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <sys/resource.h>
#include <thread>

namespace twinsweep {

namespace {

// Descriptors left for the program's own files: folders being walked, settings, pipes.
constexpr rlim_t Reserve = 32;

} // namespace

void RaiseOpenFileLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
}

size_t OpenFilesPerReader(unsigned readers, size_t most) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return most;
    const rlim_t room =
        limit.rlim_cur > 2 * Reserve ? limit.rlim_cur - Reserve : limit.rlim_cur / 2;
    return std::clamp<size_t>(room / std::max(readers, 1u), 2, most);
}

int OpenWaitingForRoom(const std::function<int()>& open) {
    int fd = open();
    for (int wait = 0; fd < 0 && (errno == EMFILE || errno == ENFILE) && wait < 1000; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        fd = open();
    }
    return fd;
}

} // namespace twinsweep
