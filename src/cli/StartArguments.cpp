#include "StartArguments.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace twinsweep {

namespace {

// Options QApplication takes itself: with a value, and alone.
constexpr std::array<std::string_view, 10> QtWithValue = {
    "-platform",    "-platformpluginpath", "-platformtheme", "-plugin",     "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle",       "-style",         "-stylesheet", "-display"};
constexpr std::array<std::string_view, 3> QtAlone = {"-reverse", "-session", "-widgetcount"};

bool Among(const auto& list, std::string_view arg) {
    return std::find(list.begin(), list.end(), arg) != list.end();
}

} // namespace

StartArguments ReadStartArguments(const std::vector<std::string>& args) {
    StartArguments read;
    bool optionsEnd = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnd || arg.empty() || arg[0] != '-' || arg == "-") {
            if (!read.project.empty())
                return {StartArguments::BadUsage, {}, arg};
            read.project = arg;
        } else if (arg == "--") {
            optionsEnd = true;
        } else if (arg == "-h" || arg == "--help") {
            return {StartArguments::Help, {}, {}};
        } else if (arg == "-V" || arg == "--version") {
            return {StartArguments::Version, {}, {}};
        } else if (Among(QtWithValue, arg) && i + 1 < args.size()) {
            ++i;
        } else if (!Among(QtAlone, arg)) {
            return {StartArguments::BadUsage, {}, arg};
        }
    }
    return read;
}

} // namespace twinsweep
