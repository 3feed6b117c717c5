#include "ConfigFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "Errors.h"
#include "Paths.h"

namespace twinsweep {

namespace {

std::string BaseConfigFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return IncludeTrailingPathDelimiter(config);
    const char* home = std::getenv("HOME");
    return IncludeTrailingPathDelimiter(home && *home ? home : "/") + ".config/";
}

} // namespace

std::string UserConfigFolder() {
    const std::string folder = BaseConfigFolder() + "twinsweep/";
    // Each folder on the way, the base ones as private as the standard asks.
    for (size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            throw EFCreateError(
                FormatMessage("Cannot create file \"%s\". %s", {folder, std::strerror(errno)}));
    }
    return folder;
}

bool FolderWritable(const std::string& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

} // namespace twinsweep
