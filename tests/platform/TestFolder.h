#pragma once
// A temporary folder for one test, removed with everything in it afterwards.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class TestFolder {
public:
    TestFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "twinsweep-test-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
    }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(root_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // The folder, ending in "/", or a path inside it.
    std::string path(const std::string& relative = "") const { return root_ + "/" + relative; }

    std::string write(const std::string& relative, const std::string& content) const {
        const std::string full = path(relative);
        std::filesystem::create_directories(std::filesystem::path(full).parent_path());
        std::ofstream(full, std::ios::binary) << content;
        return full;
    }

    std::string read(const std::string& relative) const {
        std::ifstream in(path(relative), std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        return content.str();
    }

private:
    std::string root_;
};
