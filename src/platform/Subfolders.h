#pragma once
// The folders inside a folder, by the bytes of their names, for choosing one.
#include <string>
#include <vector>

namespace twinsweep {

// The names of the folders in `folder`, links to folders included, in the order the file
// system gives them. Names beginning with "." are left out; a folder that cannot be read
// has none.
std::vector<std::string> SubfolderNames(const std::string& folder);

// Whether `path` is a folder or a link to one.
bool IsFolder(const std::string& path);

} // namespace twinsweep
