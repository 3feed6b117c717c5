// The duplicate scan progress window.
#include "Unit3.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScopedValueRollback>
#include <QTimer>

#include "ByteSizeText.h"
#include "ErrorBox.h"
#include "Errors.h"
#include "Globals.h"
#include "WaitingGradient.h"

namespace twinsweep {

TForm3::TForm3(QWidget* parent, Host& host) : ProgressWindow(parent, host, "TForm3", "Panel1") {
    La2 = AddLabel("La2");
    La3 = AddLabel("La3");
    Bar1 = new QProgressBar(Panel1);
    Bar1->setObjectName("Bar1");
    Bar1->setRange(0, 100);
    Bar1->setValue(0);
    AddBelowLabels(Bar1);
    StringTable1.Translate(); // the built-in texts are the table's first language
}

bool TForm3::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, [this] { RunGuarded(this, [this] { FormActivate(); }); });
    return QDialog::event(event);
}

void TForm3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Without a window manager the window may never be activated; its showing counts.
    QTimer::singleShot(0, this, [this] { RunGuarded(this, [this] { FormActivate(); }); });
}

void TForm3::FormActivate() {
    if (ScanStarted || !isVisible())
        return;
    ScanStarted = true;
    CancelRequested = false;
    completed_ = false;
    W1->SetEnabled(true);
    {
        const QScopedValueRollback running(scanning_, true);
        completed_ = RunScan();
        if (!completed_)
            return;
    }
    ScanCompleted();
    T1->start();
}

void TForm3::reject() {
    if (scanning_)
        SpeedButton1Click();
    else
        ProgressWindow::reject();
}

void TForm3::ShowFilesLeft(int filesLeft) {
    La2->setText(QString::fromStdString(StringTable1.GetKeyText("IDS_0")) +
                 QString::number(filesLeft));
}

void TForm3::ShowBytesCompared(int64_t compared, int64_t total) {
    const int64_t percent = total > 0 ? compared * 100 / total : 100;
    Bar1->setValue(static_cast<int>(percent));
    La3->setText(QString::fromStdString(
        FormatMessage(StringTable1.GetKeyText("IDS_1"),
                      {ByteSizeText(compared).toStdString(), ByteSizeText(total).toStdString(),
                       std::to_string(percent)})));
}

void TForm3::FormClose() {
    T1->stop();
    W1->SetEnabled(false);
}

} // namespace twinsweep
