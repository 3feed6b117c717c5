#pragma once
// The main window's image buttons, with their pictures from the "buttons" folder beside
// the program.
#include <QImage>
#include <QString>

class QWidget;

namespace twinsweep {

class TBitmapButton;

// One image file of the "buttons" folder; null when it is missing or unreadable.
QImage LoadButtonImage(const QString& file);

// A toolbar button showing the strip "<image>.png" (up, hover, down, disabled) on the
// magenta key colour, with "<image>@2x.png" for high-density screens, and its caption
// under it.
TBitmapButton* MakeCommandButton(const char* name, const char* image, QWidget* parent);

} // namespace twinsweep
