#include "ShellAccess.h"

#include "Globals.h"
#include "LanguageTexts.h"
#include "Shell.h"
#include "SystemFolders.h"

namespace twinsweep {

ShellOpener& CurrentShellOpener() {
    static ShellOpener opener = ShellOpen;
    return opener;
}

TrashMover& CurrentTrashMover() {
    static TrashMover mover = [](const std::string& path, std::string* error) {
        return MoveToTrash(path, error);
    };
    return mover;
}

void OpenLanguageTarget() {
    const std::string target = LanguageTarget(LanguageIndex, DataFolder());
    if (!target.empty())
        CurrentShellOpener()(target);
}

} // namespace twinsweep
