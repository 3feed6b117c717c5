#pragma once
// The program's own folder, its data folder and the temporary folder, all ending in the
// separator.
#include <string>

namespace twinsweep {

// Folder of the running executable (/proc/self/exe).
std::string ProgramFolder();
// Where the files the program reads at run time (guide, pictures, button images) live:
// <program folder>/../share/twinsweep/ once installed, else the program folder itself, as
// in the build tree. Never written to.
std::string DataFolder();
// The same choice for a given program folder.
std::string DataFolderFor(const std::string& programFolder);
// $TMPDIR when set and not empty, else /tmp.
std::string TemporaryFolder();

// Creates a new file exclusively (O_EXCL, mode 0600) in folder with the given name
// prefix and returns its path. Raises EFCreateError.
std::string CreateUniqueTempFile(const std::string& folder, const std::string& prefix);

} // namespace twinsweep
