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

bool ShellOpen(const std::string& target, std::string* error) {
    GFile* file = FileForTarget(target);
    char* uri = g_file_get_uri(file);
    GAppInfo* handler = nullptr;
    GError* failure = nullptr;
    if (g_file_is_native(file)) {
        handler = g_file_query_default_handler(file, nullptr, &failure);
    } else if (char* scheme = g_uri_parse_scheme(uri)) {
        handler = g_app_info_get_default_for_uri_scheme(scheme);
        g_free(scheme);
    }
    if (handler) {
        g_app_info_launch_default_for_uri_async(uri, nullptr, nullptr, nullptr, nullptr);
        g_object_unref(handler);
    } else if (error) {
        *error = failure ? failure->message : "";
    }
    if (failure)
        g_error_free(failure);
    g_free(uri);
    g_object_unref(file);
    return handler != nullptr;
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
