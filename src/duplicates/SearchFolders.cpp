#include "SearchFolders.h"

#include <algorithm>
#include <fnmatch.h>

#include "Paths.h"

namespace twinsweep {

namespace {

bool Matches(const std::string& pattern, const std::string& text, int flags) {
    return ::fnmatch(pattern.c_str(), text.c_str(), flags) == 0;
}

} // namespace

ProtectedFolders::ProtectedFolders(const std::vector<SearchFolder>& folders) {
    for (const SearchFolder& folder : folders)
        if (folder.role == FolderRole::Protected && !folder.path.empty())
            folders_.push_back(IncludeTrailingPathDelimiter(ExpandFileName(folder.path)));
}

bool ProtectedFolders::Covers(std::string_view path) const {
    for (const std::string& folder : folders_)
        if (path.starts_with(folder))
            return true;
    return false;
}

Exclusions::Exclusions(const TextLines& patterns) {
    for (std::string pattern : patterns) {
        const bool foldersOnly = pattern.size() > 1 && pattern.back() == PathDelim;
        if (foldersOnly)
            pattern.pop_back();
        if (pattern.empty())
            continue;
        (pattern.front() == PathDelim ? paths_ : names_).push_back({pattern, foldersOnly});
    }
}

bool Exclusions::Excludes(std::string_view path, bool folder) const {
    if (empty())
        return false;
    const std::string whole(path);
    for (const Pattern& pattern : paths_)
        if ((folder || !pattern.foldersOnly) && Matches(pattern.text, whole, FNM_PATHNAME))
            return true;
    const size_t slash = whole.rfind(PathDelim);
    const std::string name = slash == std::string::npos ? whole : whole.substr(slash + 1);
    for (const Pattern& pattern : names_)
        if ((folder || !pattern.foldersOnly) && Matches(pattern.text, name, 0))
            return true;
    return false;
}

std::vector<SearchFolder> FoldersWithProtection(const std::vector<std::string>& folders,
                                                const std::vector<std::string>& protectedFolders) {
    std::vector<SearchFolder> all;
    for (const std::string& folder : folders)
        all.push_back({folder, FolderRole::Searched});
    for (const std::string& path : protectedFolders) {
        const auto named = std::find_if(all.begin(), all.end(), [&](const SearchFolder& f) {
            return IncludeTrailingPathDelimiter(f.path) == IncludeTrailingPathDelimiter(path);
        });
        if (named == all.end())
            all.push_back({path, FolderRole::Protected});
        else
            named->role = FolderRole::Protected;
    }
    return all;
}

} // namespace twinsweep
