#pragma once
// The desktop shell: opening with the associated program, and the trash.
#include <string>

namespace twinsweep {

// Opens a file path or a URI with its default handler, asynchronously; the result is
// ignored.
void ShellOpen(const std::string& target);

// Moves one file to the desktop trash. True on success; never deletes for good. On
// failure `error`, when given, receives the reason.
bool MoveToTrash(const std::string& path, std::string* error = nullptr);

} // namespace twinsweep
