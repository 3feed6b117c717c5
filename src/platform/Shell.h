#pragma once
// The desktop shell: opening with the associated program, and the trash.
#include <string>

#include "FileId.h"

namespace twinsweep {

// Opens a file path or a URI with its default handler, which is started without waiting
// for it. False, with the reason in `error` when given, when there is no such handler (or
// no such file).
bool ShellOpen(const std::string& target, std::string* error = nullptr);

// Moves one file to the desktop trash. True on success; never deletes for good. On
// failure `error`, when given, receives the reason.
bool MoveToTrash(const std::string& path, std::string* error = nullptr);

// Moves the file `id`, which the desktop trash took from `path`, back there (never over a
// file that took its place) and removes its .trashinfo. It is looked for in the home trash
// and in the trash folders at the top of the mount that holds `path`. False, with the reason
// in `error`, when it could not be put back; `trashed` then names it in the trash, or stays
// empty when it was not found there.
bool PutBackFromTrash(const std::string& path, FileId id, std::string& trashed, std::string& error);

} // namespace twinsweep
