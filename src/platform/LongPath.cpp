#include "LongPath.h"

#include <fcntl.h>

namespace twinsweep {

int OpenPath(const std::string& path, int flags, mode_t mode) { return ::open(path.c_str(), flags, mode); }
bool StatPath(const std::string& path, struct stat& info) { return ::lstat(path.c_str(), &info) == 0; }

} // namespace twinsweep
