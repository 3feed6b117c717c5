#pragma once
// The welcome window: an illustrated introduction, and whether it opens at start-up.
#include <QWidget>
#include <memory>

#include "TextLines.h"
#include "WidgetTranslator.h"
#include "WindowStringTables.h"

class QCheckBox;
class QLabel;
class QScrollArea;
class QToolButton;

namespace twinsweep {

class TForm5 : public QWidget {
public:
    // settingsLines: the main window's copy of "conf.dat", rewritten when the box changes.
    TForm5(QWidget* parent, TextLines& settingsLines);
    ~TForm5() override;

    // Shows the window without blocking, or brings it to the front when it is open.
    void ShowWelcome();

    void SpeedButton1Click();
    void CheckBox1Click();

    TStringTable StringTable1 = LoadWindowStringTable("TForm5");
    QScrollArea* ScrollBox1 = nullptr;
    QWidget* Panel1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* BuildIntroduction();

    TextLines& settingsLines_;
    std::unique_ptr<WidgetTranslator> translator_ = BindStringTable(this, StringTable1);
};

} // namespace twinsweep
