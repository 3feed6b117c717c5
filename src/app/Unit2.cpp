// The search progress window.
#include "Unit2.h"

#include "ErrorBox.h"
#include "FileSearch.h"
#include "Globals.h"

namespace twinsweep {

TForm2::TForm2(QWidget* parent, Host& host, TFileSearch& search)
    : ProgressWindow(parent, host, "TForm2", ""), search_(search) {
    StringTable1.Translate(); // the built-in texts are the table's first language
}

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    RunGuarded(this, [this] { FormShow(); });
}

void TForm2::FormShow() { search_.Execute(); }

void TForm2::FormClose() {
    CancelRequested = true;
    search_.Abort();
}

} // namespace twinsweep
