#pragma once
// The search progress window: shown modally while FF1 searches; its button cancels.
#include "ProgressWindow.h"

namespace twinsweep {

class TFileSearch;

class TForm2 : public ProgressWindow {
public:
    TForm2(QWidget* parent, Host& host, TFileSearch& search);

    void FormShow();
    // Stops the search; it returns once the search's completion step has run.
    void FormClose() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TFileSearch& search_;
};

} // namespace twinsweep
