#pragma once
// The main window's image buttons, with their pictures from the "buttons" folder beside
// the program.
#include <QImage>
#include <QString>

class QWidget;

namespace twinsweep {

class TBitmapButton;
class TShader;

// One image file of the "buttons" folder; null when it is missing or unreadable.
QImage LoadButtonImage(const QString& file);

// A toolbar button showing the strip "<image>.png" (up, hover, down, disabled) on the
// magenta key colour, with "<image>@2x.png" for high-density screens, and its caption
// under it.
TBitmapButton* MakeCommandButton(const char* name, const char* image, QWidget* parent);

// The main window's toolbar: its buttons on a band shaded dark to light blue.
struct CommandBar {
    TShader* Shader1 = nullptr;
    TBitmapButton *BT1 = nullptr, *BT2 = nullptr, *BT4 = nullptr; // search, compare, trash
    TBitmapButton *BT9 = nullptr, *BT10 = nullptr;                // open, save
    TBitmapButton *BT5 = nullptr, *BT7 = nullptr, *BT6 = nullptr, *BT8 = nullptr; // help, quit
};
CommandBar MakeCommandBar(QWidget* parent);

} // namespace twinsweep
