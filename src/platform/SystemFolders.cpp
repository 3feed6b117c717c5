#include "SystemFolders.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "Errors.h"
#include "Paths.h"

namespace twinsweep {

std::string ProgramFolder() {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0)
            return std::string(1, PathDelim);
        if (static_cast<size_t>(n) < buffer.size())
            return IncludeTrailingPathDelimiter(ExtractFilePath(std::string(buffer.data(), n)));
        buffer.resize(buffer.size() * 2);
    }
}

std::string DataFolderFor(const std::string& programFolder) {
    const std::string installed = ExpandFileName(programFolder + "../share/twinsweep/");
    struct stat info {};
    if (::stat(installed.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return installed;
    return programFolder;
}

std::string DataFolder() {
    static const std::string folder = DataFolderFor(ProgramFolder());
    return folder;
}

std::string TemporaryFolder() {
    const char* tmp = std::getenv("TMPDIR");
    return IncludeTrailingPathDelimiter(tmp && *tmp ? tmp : "/tmp");
}

std::string CreateUniqueTempFile(const std::string& folder, const std::string& prefix) {
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<size_t> pick(0, sizeof letters - 2);
    const std::string base = IncludeTrailingPathDelimiter(folder) + prefix;
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        std::string path = base + '.';
        for (int i = 0; i < 8; ++i)
            path += letters[pick(random)];
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        error = errno;
    }
    throw EFCreateError(
        FormatMessage("Cannot create file \"%s\". %s", {base, std::strerror(error)}));
}

} // namespace twinsweep
