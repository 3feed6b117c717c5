#pragma once
// The duplicate scan progress window: shown modally while the scan runs; its button cancels.
#include <functional>

#include "ProgressWindow.h"

namespace twinsweep {

class TForm3 : public ProgressWindow {
public:
    explicit TForm3(QWidget* parent);

    void FormActivate();
    // Closing does not cancel: a scan still running goes on to its end.
    void FormClose() override;

    // Shows the progress text: "IDS_0" followed by the number of files left.
    void ShowFilesLeft(int filesLeft);

    // The scan itself; true when it ran to the end, false when cancelled.
    std::function<bool()> RunScan;
    // Called when the scan has emptied the table.
    std::function<void()> ScanCompleted;

    QLabel* La2 = nullptr; // progress text

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

} // namespace twinsweep
