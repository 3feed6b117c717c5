#pragma once
// How the windows reach the desktop shell; tests replace the opener to see what is opened.
#include <functional>
#include <string>

namespace twinsweep {

using ShellOpener = std::function<void(const std::string& target)>;

// The opener in use; by default the platform shell's.
ShellOpener& CurrentShellOpener();

// Opens the user guide page of LanguageIndex; nothing happens while no language is active.
void OpenLanguageTarget();

} // namespace twinsweep
