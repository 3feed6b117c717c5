#pragma once
#include <fcntl.h>
#include <string>
#include <string_view>

#include "FileDescriptor.h"
#include "FileReader.h"
#include "LongPath.h"

namespace twinsweep {

// The files of a set mostly come folder after folder, as the search found them: from the
// second file of a folder on, the folder stays open and a file in it is found by its name
// alone rather than by walking its whole path again.
class NearFolder {
public:
    // The open folder to look `path` up in, with the rest of the path in `name`; AT_FDCWD
    // when the whole path is to be used.
    int Of(const std::string& path, const char*& name) {
        name = path.c_str();
        const size_t cut = path.rfind('/');
        if (cut == std::string::npos)
            return AT_FDCWD;
        const std::string_view folder(path.data(), cut + 1);
        if (folder != path_) {
            path_ = folder;
            folder_.reset();
            return AT_FDCWD;
        }
        if (!folder_)
            folder_.reset(OpenPath(path_, O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!folder_)
            return AT_FDCWD;
        name = path.c_str() + cut + 1;
        return folder_.get();
    }

private:
    std::string path_;
    FileDescriptor folder_;
};

// Opens the file at `path` for reading, by its name alone when `near` holds its folder.
inline FileReader OpenNear(NearFolder& near, const std::string& path) {
    const char* name = nullptr;
    const int folder = near.Of(path, name);
    return folder == AT_FDCWD ? FileReader(path) : FileReader(folder, name);
}

} // namespace twinsweep
