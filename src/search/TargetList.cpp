#include "TargetList.h"

#include <algorithm>

#include "Paths.h"

namespace twinsweep {
namespace {

std::string FullFolder(const std::string& folder) {
    return IncludeTrailingPathDelimiter(ExpandFileName(folder.empty() ? "." : folder));
}

} // namespace

std::string MaskOfFilename(const std::string& filename) {
    if (filename.empty())
        return "*.*";
    if (filename.find('.') == std::string::npos)
        return filename + ".*";
    return filename;
}

std::string FolderTarget(const std::string& folder, const std::string& filename) {
    return IncludeTrailingPathDelimiter(folder) + MaskOfFilename(filename);
}

TextLines BuildTargetList(const std::string& filename, const std::string& location,
                          const TextLines& includeFiles) {
    if (!includeFiles.empty())
        return includeFiles;
    const std::string mask = MaskOfFilename(filename);
    TextLines targets;
    std::string rest = location;
    do {
        const size_t end = rest.find(';');
        const std::string folder = rest.substr(0, end);
        rest = end == std::string::npos ? std::string() : rest.substr(end + 1);
        // Folder names differ by case on this platform, so only equal targets are merged.
        std::string target = FullFolder(folder) + mask;
        if (std::find(targets.begin(), targets.end(), target) == targets.end())
            targets.push_back(std::move(target));
    } while (!rest.empty() && rest != ";");
    return targets;
}

SearchTarget SplitTarget(const std::string& target) {
    const size_t cut = target.rfind(PathDelim);
    if (cut == std::string::npos)
        return {FullFolder(""), target};
    return {FullFolder(target.substr(0, cut + 1)), target.substr(cut + 1)};
}

} // namespace twinsweep
