// Pictures of every window and dialog of the program in one language, for looking at them:
//   window_shots LANGUAGE FOLDER
// Searches and scans a small tree of duplicates from the main window, then saves
// FOLDER/LANGUAGE-NAME.png for the main window on each tab, the search and scan progress
// windows, the welcome and about windows, the folder dialog, the project file dialog, the
// report and trash message boxes and the date picker's calendar. Run it on Xvfb (with
// QT_QPA_PLATFORM=xcb) or offscreen; QT_SCALE_FACTOR=2 gives the pictures at 200 %.
#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "CriteriaPage.h"
#include "Errors.h"
#include "FolderDialog.h"
#include "Globals.h"
#include "LanguageTexts.h"
#include "ProgramWindows.h"
#include "QtHost.h"
#include "SetsPage.h"

using namespace twinsweep;

namespace {

QString folder;
QString language;

void Save(QWidget* widget, const char* name) {
    widget->grab().save(folder + "/" + language + "-" + name + ".png");
}

// Saves each message box that opens while `action` runs, then answers it with `answer`.
void SaveMessageBoxes(const char* name, QMessageBox::StandardButton answer,
                      const std::function<void()>& action) {
    QTimer poll;
    poll.setInterval(20);
    int count = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Save(box, (std::string(name) + "-" + std::to_string(++count)).c_str());
            if (QAbstractButton* button = box->button(answer))
                button->click();
            else
                box->done(answer);
        }
    });
    poll.start();
    action();
}

void Write(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[1]) < 1 || std::atoi(argv[1]) > 3) {
        std::fprintf(stderr, "usage: %s LANGUAGE FOLDER\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    language = argv[1];
    folder = argv[2];
    QDir().mkpath(folder);
    QTemporaryDir program, tree;
    Write(program.filePath("conf.dat").toStdString(), "1\r\n" + language.toStdString() + "\r\n");
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        Write(tree.filePath(name).toStdString(), "the same words");
    Write(tree.filePath("d.jpg").toStdString(), "a pair");
    Write(tree.filePath("e.jpg").toStdString(), "a pair");
    QtHost host;
    ProgramWindows windows(host, program.path().toStdString() + "/");
    TForm1& form = windows.form1;
    form.resize(1100, 720);
    form.show();
    QElapsedTimer clock;
    clock.start();
    while ((LanguageIndex == 0 || !windows.form5->isVisible()) && clock.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();
    Save(windows.form5, "welcome");
    windows.form5->hide();
    Save(&form, "main-search");
    Save(windows.form4, "about");
    Save(windows.form2, "search-progress");
    Save(windows.form3, "scan-progress");

    form.TB1->Edit2->setText(tree.path());
    SaveMessageBoxes("report", QMessageBox::Ok, [&] { form.BT1Click(); });
    QApplication::processEvents();
    Save(&form, "main-results");
    SaveMessageBoxes("trash-question", QMessageBox::No, [&] { form.BT4Click(); });
    form.PageControl1->setCurrentWidget(form.TB3);
    QApplication::processEvents();
    Save(&form, "main-sets");

    FolderDialog folders(&form, tree.path().toStdString());
    Save(&folders, "folder-dialog");
    QFileDialog files(&form);
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptSave);
    Save(&files, "file-dialog");
    form.TB1->AfterDate->calendarWidget()->resize(320, 240);
    Save(form.TB1->AfterDate->calendarWidget(), "calendar");
    QMessageBox box(QMessageBox::Question, "Twinsweep",
                    QString::fromStdString(FormatMessage(
                        DeleteConfirmation(LanguageIndex, 2).question, {"2", "12 MB"})),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &form);
    Save(&box, "buttons");
    std::printf("pictures of language %s in %s\n", argv[1], argv[2]);
    std::fflush(stdout);
    tree.remove();
    program.remove();
    std::_Exit(0); // the windows' teardown is not needed
}
