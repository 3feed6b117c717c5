#pragma once
// The desktop shell: opening with the associated program, and the trash.
#include <string>

namespace twinsweep {

// Opens a file path or a URI with its default handler, which is started without waiting
// for it. False, with the reason in `error` when given, when there is no such handler (or
// no such file).
bool ShellOpen(const std::string& target, std::string* error = nullptr);

// Moves one file to the desktop trash. True on success; never deletes for good. On
// failure `error`, when given, receives the reason.
bool MoveToTrash(const std::string& path, std::string* error = nullptr);

} // namespace twinsweep
