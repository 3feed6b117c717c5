#pragma once
// A folder that cannot be listed, made without taking rights away (root reads anything): the
// search takes it away after listing its parent and before entering it.
#include <filesystem>
#include <memory>
#include <string>

#include "FileSearch.h"

// Makes the folders ROOT/d/x and ROOT/d/y; whichever of them the search enters first removes
// the other, and `gone` with it (a file found already, so that a scan cannot read it). The
// returned path is then the removed folder's, as the search names it.
inline std::shared_ptr<std::string> RemoveTwinOnEntry(twinsweep::TFileSearch& search,
                                                      const std::filesystem::path& root,
                                                      const std::filesystem::path& gone = {}) {
    namespace fs = std::filesystem;
    fs::create_directories(root / "d" / "x");
    fs::create_directories(root / "d" / "y");
    auto removed = std::make_shared<std::string>();
    search.OnNewFolder = [=, entered = search.OnNewFolder](twinsweep::TFileSearch& sender,
                                                           const std::string& folder,
                                                           bool& ignore) {
        if (entered)
            entered(sender, folder, ignore);
        const fs::path path(folder);
        if (!removed->empty() || path.parent_path().filename() != "d")
            return;
        const fs::path twin = path.parent_path() / (path.filename() == "x" ? "y" : "x");
        *removed = twin.string();
        fs::remove(twin);
        if (!gone.empty())
            fs::remove(gone);
    };
    return removed;
}
