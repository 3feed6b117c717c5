// The search progress window.
#include "Unit2.h"

#include <QLabel>
#include <QTimer>

#include "ErrorBox.h"
#include "Errors.h"
#include "FileSearch.h"
#include "Globals.h"

namespace twinsweep {

TForm2::TForm2(QWidget* parent, Host& host, TFileSearch& search)
    : ProgressWindow(parent, host, "TForm2", ""), search_(search) {
    La2 = AddLabel("La2");
    countRefresh_ = new QTimer(this);
    countRefresh_->setInterval(250);
    connect(countRefresh_, &QTimer::timeout, this, [this] { ShowFilesFound(); });
    StringTable1.Translate(); // the built-in texts are the table's first language
}

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ShowFilesFound();
    countRefresh_->start();
    RunGuarded(this, [this] { FormShow(); });
}

void TForm2::ShowFilesFound() {
    const int files = FilesFound ? FilesFound() : 0;
    La2->setText(QString::fromStdString(
        FormatMessage(StringTable1.GetKeyText("IDS_0"), {std::to_string(files)})));
}

void TForm2::FormShow() { search_.Execute(); }

void TForm2::SpeedButton1Click() {
    ProgressWindow::SpeedButton1Click();
    search_.Abort();
}

void TForm2::FormClose() {
    countRefresh_->stop();
    CancelRequested = true;
    search_.Abort();
}

} // namespace twinsweep
