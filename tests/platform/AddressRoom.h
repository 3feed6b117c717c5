#pragma once
// Runs a test's body in a child process whose address space can grow only so far past what
// it uses at the start; the address sanitizer's reservations do not fit such a limit.
#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// The child's exit status: `body`'s answer, 2 for an exception it let out, or -1 when a
// signal ended the child.
inline int InChildWithAddressRoom(rlim_t room, const std::function<bool()>& body) {
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        size_t pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlim_t limit = pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + room;
        const rlimit space{limit, limit};
        ::setrlimit(RLIMIT_AS, &space);
        try {
            ::_exit(body() ? 0 : 1);
        } catch (...) {
            ::_exit(2);
        }
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
