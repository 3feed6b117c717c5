#pragma once
// The desktop trash in a temporary folder of its own, for the whole test program. GLib reads
// XDG_DATA_HOME once, so ask for it before anything is trashed.
#include <cstdlib>
#include <filesystem>

#include "TestFolder.h"

inline const TestFolder& DesktopTrashData() {
    static const TestFolder data;
    static const bool set = ::setenv("XDG_DATA_HOME", data.path().c_str(), 1) == 0;
    (void)set;
    return data;
}

// Whether the trash holds nothing, not even a .trashinfo.
inline bool DesktopTrashEmpty() {
    const TestFolder& data = DesktopTrashData();
    std::error_code ignored;
    return std::filesystem::is_empty(data.path("Trash/files"), ignored) &&
           std::filesystem::is_empty(data.path("Trash/info"), ignored);
}
