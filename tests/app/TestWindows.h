#pragma once
// The five windows of the program, created in their order over a test program folder.
#include <QApplication>
#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "Globals.h"
#include "QtHost.h"
#include "TestFolder.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"

namespace twinsweep {

struct TestWindows {
    // programFolder: where the windows look for "conf.dat" (a fresh temporary folder by default).
    explicit TestWindows(const std::string& programFolder = "")
        : form1(host, programFolder.empty() ? folder.path() : programFolder) {
        AppDir.clear();
        LanguageIndex = 0;
        form2 = new TForm2(&form1, *form1.FF1);
        form3 = new TForm3(&form1);
        form4 = new TForm4(&form1);
        form5 = new TForm5(&form1, form1.LB1);
        form1.SetWindows(form2, form3, form4, form5);
    }

    std::string settings() const { return folder.read("conf.dat"); }
    void writeSettings(const std::string& content) const { folder.write("conf.dat", content); }

    TestFolder folder;
    QtHost host;
    TForm1 form1;
    TForm2* form2;
    TForm3* form3;
    TForm4* form4;
    TForm5* form5;
};

// Answers every message box that opens while `action` runs with `button`, and returns
// their texts.
inline QStringList AnswerMessageBoxesWith(QMessageBox::StandardButton button,
                                          const std::function<void()>& action) {
    QStringList texts;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texts << box->text();
            if (QAbstractButton* answer = box->button(button))
                answer->click();
            else
                box->done(button);
        }
    });
    poll.start();
    action();
    return texts;
}

inline QStringList AnswerMessageBoxes(const std::function<void()>& action) {
    return AnswerMessageBoxesWith(QMessageBox::Ok, action);
}

} // namespace twinsweep
