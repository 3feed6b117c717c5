// Twinsweep: creates the five windows in their order and runs the event loop.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "AppHooks.h"
#include "CliTexts.h"
#include "ErrorBox.h"
#include "OpenFileLimit.h"
#include "ProgramWindows.h"
#include "QtHost.h"
#include "StartArguments.h"
#include "SystemFolders.h"

using namespace twinsweep;

namespace {

// --help, --version and wrong options, answered before any window exists: the exit
// status, or nothing to go on.
std::optional<int> AnsweredAtStart(const StartArguments& start) {
    if (start.what == StartArguments::OpenWindow)
        return std::nullopt;
    const CliTexts texts(
        LanguageFromEnvironment([](const char* name) { return std::getenv(name); }));
    switch (start.what) {
    case StartArguments::Help:
        std::fputs(texts.Text("CLI_WINDOW_HELP").c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    case StartArguments::Version:
        std::fputs("twinsweep " TWINSWEEP_VERSION "\n", stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    default:
        std::fprintf(stderr, "twinsweep: %s\n%s",
                     texts.Text("CLI_UNKNOWN_OPTION", {start.wrong}).c_str(),
                     texts.Text("CLI_WINDOW_USAGE").c_str());
        return 2;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    RaiseOpenFileLimit();
    const StartArguments start =
        ReadStartArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto status = AnsweredAtStart(start))
        return *status;
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
    if (!start.project.empty()) // a project to open, as a file manager passes it
        windows.form1.OpenProjectAtStart(start.project);
    windows.form1.show();
    const int result = QApplication::exec();
    SetApplicationTerminated(true);
    return result;
}
