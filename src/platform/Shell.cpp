#include "Shell.h"

#include <gio/gio.h>

namespace twinsweep {

namespace {

// A GFile for a path's bytes or for a URI such as https://…
GFile* FileForTarget(const std::string& target) {
    const bool isUri = target.find("://") != std::string::npos;
    return isUri ? g_file_new_for_uri(target.c_str()) : g_file_new_for_path(target.c_str());
}

} // namespace

void ShellOpen(const std::string& target) {
    GFile* file = FileForTarget(target);
    char* uri = g_file_get_uri(file);
    g_app_info_launch_default_for_uri_async(uri, nullptr, nullptr, nullptr, nullptr);
    g_free(uri);
    g_object_unref(file);
}

bool MoveToTrash(const std::string& path, std::string* error) {
    GFile* file = g_file_new_for_path(path.c_str());
    GError* failure = nullptr;
    const bool trashed = g_file_trash(file, nullptr, &failure);
    if (failure) {
        if (error)
            *error = failure->message;
        g_error_free(failure);
    }
    g_object_unref(file);
    return trashed;
}

} // namespace twinsweep
