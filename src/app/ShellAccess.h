#pragma once
// How the windows reach the desktop shell; tests replace the opener and the trash to see
// what is opened and trashed.
#include <functional>
#include <string>

class QWidget;

namespace twinsweep {

// False, with the reason in `error` when given, when nothing can open the target.
using ShellOpener = std::function<bool(const std::string& target, std::string* error)>;

// The opener in use; by default the platform shell's.
ShellOpener& CurrentShellOpener();

// Moves a file to the trash: true on success, else false with the reason in `error`.
using TrashMover = std::function<bool(const std::string& path, std::string* error)>;

// The trash in use; by default the desktop's.
TrashMover& CurrentTrashMover();

// Opens a file, a folder or a URI with the opener in use; when nothing can open it, a
// message over `parent` says so and names it.
void OpenTarget(QWidget* parent, const std::string& target);

// Opens the user guide page of LanguageIndex; nothing happens while no language is active.
void OpenLanguageTarget(QWidget* parent);

} // namespace twinsweep
