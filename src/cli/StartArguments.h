#pragma once
// The arguments of the window program, read before any window exists: --help and --version
// are answered without a display.
#include <string>
#include <vector>

namespace twinsweep {

struct StartArguments {
    enum What { OpenWindow, Help, Version, BadUsage } what = OpenWindow;
    std::string project; // OpenWindow: the project to open, or empty
    std::string wrong;   // BadUsage: the argument at fault
};

// The arguments after the program's name. Qt's own options (-platform NAME, -style NAME,
// -reverse, …) pass; "--" ends the options, so that a project's name may start with "-".
StartArguments ReadStartArguments(const std::vector<std::string>& args);

} // namespace twinsweep
