#pragma once
// The folders of one search beside its criteria: each either searched or protected, and the
// exclusions that keep folders and files out of it.
#include <string>
#include <string_view>
#include <vector>

#include "TextLines.h"

namespace twinsweep {

enum class FolderRole {
    Searched,
    Protected, // searched too, but its files are never marked, trashed or linked
};

struct SearchFolder {
    std::string path;
    FolderRole role = FolderRole::Searched;
    bool operator==(const SearchFolder&) const = default;
};

// The files below protected folders. A path is protected when it lies below the full path
// of one of them as written: the search lists every file under the full path of the folder
// it was found from, and searches the protected folders first.
class ProtectedFolders {
public:
    ProtectedFolders() = default;
    explicit ProtectedFolders(const std::vector<SearchFolder>& folders);

    bool Covers(std::string_view path) const;
    bool empty() const { return folders_.empty(); }

private:
    std::vector<std::string> folders_; // each ending in the separator
};

// What a search leaves out. A pattern starting with the separator is a path: that folder or
// file and everything below it. Any other pattern is matched against the name of every
// folder and file (the shell's wildcards * ? [...], case-sensitive, a leading "." matched
// like any character): a matching folder is not entered. A pattern ending in the separator
// matches folders only. Empty patterns are ignored.
class Exclusions {
public:
    Exclusions() = default;
    explicit Exclusions(const TextLines& patterns);

    // `path` is the entry's full path, without a trailing separator.
    bool Excludes(std::string_view path, bool folder) const;
    bool empty() const { return paths_.empty() && names_.empty(); }

private:
    struct Pattern {
        std::string text;
        bool foldersOnly;
    };
    std::vector<Pattern> paths_, names_;
};

// The folders to search, in order, with `protectedFolders` protected: a protected folder that
// is one of `folders` (with or without a trailing "/") takes that place, others come last.
std::vector<SearchFolder> FoldersWithProtection(const std::vector<std::string>& folders,
                                                const std::vector<std::string>& protectedFolders);

} // namespace twinsweep
