#pragma once
// The search progress window: shown modally while FF1 searches; its button cancels.
#include <QDialog>

#include "WidgetTranslator.h"
#include "WindowStringTables.h"

class QLabel;
class QToolButton;
class QTimer;

namespace twinsweep {

class TFileSearch;
class WaitingBand;

class TForm2 : public QDialog {
public:
    TForm2(QWidget* parent, TFileSearch& search);
    ~TForm2() override;

    void FormShow();
    void SpeedButton1Click();
    void T1Timer();
    void FormClose();

    // Every way of closing (the cancel path, the completion step, the frame) runs FormClose.
    void done(int result) override;

    TStringTable StringTable1 = LoadWindowStringTable("TForm2");
    WaitingBand* W1 = nullptr;
    QLabel* Label1 = nullptr;
    QToolButton* SpeedButton1 = nullptr; // cancel
    QTimer* T1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TFileSearch& search_;
    std::unique_ptr<WidgetTranslator> translator_ = BindStringTable(this, StringTable1);
};

} // namespace twinsweep
