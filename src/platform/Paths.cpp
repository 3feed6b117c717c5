#include "Paths.h"

#include <cerrno>
#include <climits>
#include <unistd.h>
#include <vector>

namespace twinsweep {

std::string IncludeTrailingPathDelimiter(const std::string& path) {
    return !path.empty() && path.back() == PathDelim ? path : path + PathDelim;
}

std::string ExtractFilePath(const std::string& path) {
    const size_t last = path.rfind(PathDelim);
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string ExtractFileName(const std::string& path) {
    const size_t last = path.rfind(PathDelim);
    return last == std::string::npos ? path : path.substr(last + 1);
}

namespace {

std::string CurrentFolder() {
    std::vector<char> buffer(PATH_MAX);
    while (!::getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE)
            return std::string(1, PathDelim);
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

} // namespace

std::string ExpandFileName(const std::string& path) {
    const std::string absolute = !path.empty() && path[0] == PathDelim
                                     ? path
                                     : IncludeTrailingPathDelimiter(CurrentFolder()) + path;
    std::vector<std::string> segments;
    size_t start = 0;
    while (start <= absolute.size()) {
        size_t stop = absolute.find(PathDelim, start);
        if (stop == std::string::npos)
            stop = absolute.size();
        const std::string segment = absolute.substr(start, stop - start);
        if (segment == "..") {
            if (!segments.empty())
                segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = stop + 1;
    }
    std::string result;
    for (const auto& segment : segments)
        result += PathDelim + segment;
    // A path naming a folder explicitly ("x/", "x/.", "x/..") keeps its trailing separator.
    const std::string last = ExtractFileName(absolute);
    const bool folderForm = absolute.back() == PathDelim || last == "." || last == "..";
    if (result.empty() || folderForm)
        result += PathDelim;
    return result;
}

} // namespace twinsweep
