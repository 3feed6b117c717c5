#pragma once
// The duplicate scan progress window: shown modally while the scan runs; its button cancels.
#include <cstdint>
#include <functional>

#include "ProgressWindow.h"

class QProgressBar;

namespace twinsweep {

class TForm3 : public ProgressWindow {
public:
    TForm3(QWidget* parent, Host& host);

    void FormActivate();
    void FormClose() override;
    // Escape and the frame's close button act as the cancel button while the scan runs:
    // the window stays, and with it the block on the main window, until the scan returns.
    void reject() override;

    // Shows the progress text: "IDS_0" followed by the number of files left.
    void ShowFilesLeft(int filesLeft);
    // Shows the bytes compared out of the total, with the share done ("IDS_1").
    void ShowBytesCompared(int64_t compared, int64_t total);
    // Whether the last scan ran to its end.
    bool Completed() const { return completed_; }

    // The scan itself; true when it ran to the end, false when cancelled.
    std::function<bool()> RunScan;
    // Called when the scan has emptied the table.
    std::function<void()> ScanCompleted;

    QLabel* La2 = nullptr;        // progress text
    QLabel* La3 = nullptr;        // bytes compared
    QProgressBar* Bar1 = nullptr; // the share of the bytes compared

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool scanning_ = false;
    bool completed_ = false;
};

} // namespace twinsweep
