#pragma once
// The duplicate scan progress window: shown modally while the scan runs; its button cancels.
#include <QDialog>
#include <functional>

#include "WidgetTranslator.h"
#include "WindowStringTables.h"

class QLabel;
class QToolButton;
class QTimer;

namespace twinsweep {

class WaitingBand;

class TForm3 : public QDialog {
public:
    explicit TForm3(QWidget* parent);
    ~TForm3() override;

    void FormActivate();
    void SpeedButton1Click();
    void T1Timer();
    void FormClose();
    void done(int result) override;

    // Shows the progress text: "IDS_0" followed by the number of files left.
    void ShowFilesLeft(int filesLeft);

    // The scan itself; true when it ran to the end, false when cancelled.
    std::function<bool()> RunScan;
    // Called when the scan has emptied the table.
    std::function<void()> ScanCompleted;

    TStringTable StringTable1 = LoadWindowStringTable("TForm3");
    QWidget* Panel1 = nullptr;
    WaitingBand* W1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* La2 = nullptr; // progress text
    QToolButton* SpeedButton1 = nullptr; // cancel
    QTimer* T1 = nullptr;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<WidgetTranslator> translator_ = BindStringTable(this, StringTable1);
};

} // namespace twinsweep
