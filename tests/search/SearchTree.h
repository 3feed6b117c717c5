#pragma once
// A temporary folder tree for search tests, removed with everything in it afterwards.
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <stdlib.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

class SearchTree {
public:
    SearchTree() {
        std::string pattern = std::filesystem::temp_directory_path() / "twinsweep-search-XXXXXX";
        root_ = ::mkdtemp(pattern.data());
    }
    ~SearchTree() {
        std::error_code ignored; // read-only folders get their write right back first
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root_, ignored))
            if (entry.is_directory() && !entry.is_symlink())
                ::chmod(entry.path().c_str(), 0755);
        std::filesystem::remove_all(root_, ignored);
    }
    SearchTree(const SearchTree&) = delete;
    SearchTree& operator=(const SearchTree&) = delete;

    // The root without its trailing separator, or a path inside it.
    const std::string& root() const { return root_; }
    std::string path(const std::string& relative) const { return root_ + "/" + relative; }

    std::string file(const std::string& relative, const std::string& content = "") const {
        std::filesystem::create_directories(std::filesystem::path(path(relative)).parent_path());
        std::ofstream(path(relative), std::ios::binary) << content;
        return path(relative);
    }
    // Creates a file and its folders one level at a time, so its path may be of any length.
    void deepFile(const std::string& relative, const std::string& content) const {
        int folder = ::open(root_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        size_t start = 0;
        for (size_t cut; (cut = relative.find('/', start)) != std::string::npos; start = cut + 1) {
            const std::string name = relative.substr(start, cut - start);
            ::mkdirat(folder, name.c_str(), 0755);
            const int next = ::openat(folder, name.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
            ::close(folder);
            folder = next;
        }
        const int file = ::openat(folder, relative.c_str() + start, O_WRONLY | O_CREAT, 0644);
        [[maybe_unused]] const ssize_t written = ::write(file, content.data(), content.size());
        ::close(file);
        ::close(folder);
    }
    void link(const std::string& relative, const std::string& target) const {
        ::symlink(target.c_str(), path(relative).c_str());
    }
    void fifo(const std::string& relative) const { ::mkfifo(path(relative).c_str(), 0644); }
    void mode(const std::string& relative, mode_t mode) const {
        ::chmod(path(relative).c_str(), mode);
    }
    // Sets the last-access and last-write times to local dates and times.
    void times(const std::string& relative, tm accessed, tm written) const {
        const timespec both[2] = {{::mktime(&accessed), 0}, {::mktime(&written), 0}};
        ::utimensat(AT_FDCWD, path(relative).c_str(), both, 0);
    }

    static tm At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
        tm t{};
        t.tm_year = year - 1900;
        t.tm_mon = month - 1;
        t.tm_mday = day;
        t.tm_hour = hour;
        t.tm_min = minute;
        t.tm_sec = second;
        t.tm_isdst = -1;
        return t;
    }

private:
    std::string root_;
};
