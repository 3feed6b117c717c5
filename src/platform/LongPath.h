#pragma once
// Opening and examining paths of any length.
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

namespace twinsweep {

int OpenPath(const std::string& path, int flags, mode_t mode = 0);
bool StatPath(const std::string& path, struct stat& info);

} // namespace twinsweep
