#pragma once
// The search progress window.
#include <QDialog>

#include "WidgetTranslator.h"
#include "WindowStringTables.h"

class QLabel;
class QToolButton;
class QTimer;

namespace twinsweep {

class WaitingBand;

class TForm2 : public QDialog {
public:
    explicit TForm2(QWidget* parent);
    ~TForm2() override;

    TStringTable StringTable1 = LoadWindowStringTable("TForm2");
    WaitingBand* W1 = nullptr;
    QLabel* Label1 = nullptr;
    QToolButton* SpeedButton1 = nullptr; // cancel
    QTimer* T1 = nullptr;


private:
    std::unique_ptr<WidgetTranslator> translator_ = BindStringTable(this, StringTable1);
};

} // namespace twinsweep
