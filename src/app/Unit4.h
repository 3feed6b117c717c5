#pragma once
// The about window.
#include <QDialog>
#include <memory>

#include "WidgetTranslator.h"
#include "WindowStringTables.h"

class QLabel;
class QToolButton;

namespace twinsweep {

class LinkLabel;

class TForm4 : public QDialog {
public:
    explicit TForm4(QWidget* parent);
    ~TForm4() override;

    void SpeedButton1Click();
    void Label2Click();

    TStringTable StringTable1 = LoadWindowStringTable("TForm4");
    QLabel* Label1 = nullptr;
    QLabel* AboutLabel = nullptr;
    LinkLabel* Label2 = nullptr; // opens the user guide
    QToolButton* SpeedButton1 = nullptr;

private:
    std::unique_ptr<WidgetTranslator> translator_ = BindStringTable(this, StringTable1);
};

} // namespace twinsweep
