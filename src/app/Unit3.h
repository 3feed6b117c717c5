#pragma once
// The duplicate scan progress window.
#include <QDialog>

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

    TStringTable StringTable1 = LoadWindowStringTable("TForm3");
    QWidget* Panel1 = nullptr;
    WaitingBand* W1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* La2 = nullptr; // progress text
    QToolButton* SpeedButton1 = nullptr; // cancel
    QTimer* T1 = nullptr;


private:
    std::unique_ptr<WidgetTranslator> translator_ = BindStringTable(this, StringTable1);
};

} // namespace twinsweep
