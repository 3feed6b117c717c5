#pragma once
// How the windows reach the desktop shell; tests replace the opener and the trash to see
// what is opened and trashed.
#include <functional>
#include <string>

namespace twinsweep {

using ShellOpener = std::function<void(const std::string& target)>;

// The opener in use; by default the platform shell's.
ShellOpener& CurrentShellOpener();

// Moves a file to the trash: true on success, else false with the reason in `error`.
using TrashMover = std::function<bool(const std::string& path, std::string* error)>;

// The trash in use; by default the desktop's.
TrashMover& CurrentTrashMover();

// Opens the user guide page of LanguageIndex; nothing happens while no language is active.
void OpenLanguageTarget();

} // namespace twinsweep
