#include "ShellAccess.h"

#include <QApplication>

#include "Errors.h"
#include "Globals.h"
#include "LanguageTexts.h"
#include "MessageBoxes.h"
#include "Shell.h"
#include "SystemFolders.h"

namespace twinsweep {

ShellOpener& CurrentShellOpener() {
    static ShellOpener opener = [](const std::string& target, std::string* error) {
        return ShellOpen(target, error);
    };
    return opener;
}

TrashMover& CurrentTrashMover() {
    static TrashMover mover = [](const std::string& path, std::string* error) {
        return MoveToTrash(path, error);
    };
    return mover;
}

void OpenTarget(QWidget* parent, const std::string& target) {
    std::string error;
    if (CurrentShellOpener()(target, &error))
        return;
    ShowMessageBox(
        parent, QMessageBox::Warning, QApplication::applicationName(),
        QString::fromStdString(FormatMessage(CannotOpenText(LanguageIndex), {target, error})));
}

void OpenLanguageTarget(QWidget* parent) {
    const std::string target = LanguageTarget(LanguageIndex, DataFolder());
    if (!target.empty())
        OpenTarget(parent, target);
}

} // namespace twinsweep
