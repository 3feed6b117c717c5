#pragma once
// The search progress window: shown modally while FF1 searches; its button cancels.
#include <functional>

#include "ProgressWindow.h"

namespace twinsweep {

class TFileSearch;

class TForm2 : public ProgressWindow {
public:
    TForm2(QWidget* parent, Host& host, TFileSearch& search);

    void FormShow();
    // The search stops at once; its completion step runs before this returns.
    void SpeedButton1Click() override;
    // Stops the search; it returns once the search's completion step has run.
    void FormClose() override;

    // The number of files listed so far; the window shows it a few times a second.
    std::function<int()> FilesFound;

    QLabel* La2 = nullptr; // progress text

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Shows the progress text: "IDS_0" with the number of files listed.
    void ShowFilesFound();

    TFileSearch& search_;
    QTimer* countRefresh_ = nullptr;
};

} // namespace twinsweep
