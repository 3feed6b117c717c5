// Twinsweep: creates the five windows in their order and runs the event loop.
#include <QApplication>
#include <QDir>
#include <QIcon>

#include "AppHooks.h"
#include "ErrorBox.h"
#include "ProgramWindows.h"
#include "QtHost.h"
#include "SystemFolders.h"

using namespace twinsweep;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Twinsweep");
    QApplication::setApplicationDisplayName("Twinsweep");
    // The desktop id ties the windows to the launcher and its icon (Wayland's app id).
    QApplication::setDesktopFileName(TWINSWEEP_APP_ID);
    QIcon icon;
    for (const QString& file : QDir(":/icons").entryList())
        icon.addFile(":/icons/" + file);
    QApplication::setWindowIcon(icon);
    QtHost host;
    ProgramWindows windows(host, ProgramFolder());
    SetApplicationExceptionHandler(
        [&windows](const std::exception& error) { ShowErrorBox(&windows.form1, error.what()); });
    if (argc > 1) // a project to open, as a file manager passes it
        windows.form1.OpenProjectAtStart(argv[1]);
    windows.form1.show();
    const int result = QApplication::exec();
    SetApplicationTerminated(true);
    return result;
}
