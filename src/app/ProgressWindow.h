#pragma once
// What the search and scan progress windows share: a label, the waiting band and a cancel
// button whose click asks the running work to stop and closes the window a moment later.
#include <QDialog>

#include "Host.h"
#include "WidgetTranslator.h"
#include "WindowStringTables.h"

class QLabel;
class QTimer;
class QToolButton;
class QVBoxLayout;

namespace twinsweep {

class TWaitingGradient;

class ProgressWindow : public QDialog {
public:
    // name: the window's objectName and string table; panelName names the panel holding
    // the elements (empty for none). The waiting gradient's ticks reach the UI thread
    // through host.
    ProgressWindow(QWidget* parent, Host& host, const char* name, const char* panelName);

    // Asks the work to stop; the window closes a moment later.
    virtual void SpeedButton1Click();
    void T1Timer();
    // Runs on every closing, whatever its cause.
    virtual void FormClose() = 0;
    void done(int result) override;

    TStringTable StringTable1;
    QWidget* Panel1 = nullptr;
    TWaitingGradient* W1 = nullptr;
    QLabel* Label1 = nullptr;
    QToolButton* SpeedButton1 = nullptr; // cancel
    QTimer* T1 = nullptr;

protected:
    // Adds a label below the labels added before it.
    QLabel* AddLabel(const char* name);
    // Adds a widget below the labels, above the waiting band.
    void AddBelowLabels(QWidget* widget);

private:
    QVBoxLayout* layout_ = nullptr;
    int labels_ = 0;
    std::unique_ptr<WidgetTranslator> translator_;
};

} // namespace twinsweep
