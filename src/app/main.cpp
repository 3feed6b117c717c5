// Twinsweep: creates the five windows in their order and runs the event loop.
#include <QApplication>

#include "AppHooks.h"
#include "ErrorBox.h"
#include "QtHost.h"
#include "SystemFolders.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"

using namespace twinsweep;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Twinsweep");
    QApplication::setApplicationDisplayName("Twinsweep");
    QtHost host;
    TForm1 form1(host, ProgramFolder());
    SetApplicationExceptionHandler(
        [&form1](const std::exception& error) { ShowErrorBox(&form1, error.what()); });
    auto* form2 = new TForm2(&form1, *form1.FF1);
    auto* form3 = new TForm3(&form1);
    auto* form4 = new TForm4(&form1);
    auto* form5 = new TForm5(&form1, form1.LB1);
    form1.SetWindows(form2, form3, form4, form5);
    form1.show();
    const int result = QApplication::exec();
    SetApplicationTerminated(true);
    return result;
}
