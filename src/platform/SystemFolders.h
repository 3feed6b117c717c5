#pragma once
// The program's own folder and the temporary folder, both ending in the separator.
#include <string>

namespace twinsweep {

// Folder of the running executable (/proc/self/exe).
std::string ProgramFolder();
// $TMPDIR when set and not empty, else /tmp.
std::string TemporaryFolder();

// Creates a new file exclusively (O_EXCL, mode 0600) in folder with the given name
// prefix and returns its path. Raises EFCreateError.
std::string CreateUniqueTempFile(const std::string& folder, const std::string& prefix);

} // namespace twinsweep
