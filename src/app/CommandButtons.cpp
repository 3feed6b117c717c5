#include "CommandButtons.h"

#include <QPalette>

#include "SystemFolders.h"
#include "TBitmapButton.h"

namespace twinsweep {

namespace {
const TColor Magenta = 0x00FF00FF;
}

QImage LoadButtonImage(const QString& file) {
    return QImage(QString::fromStdString(DataFolder()) + "buttons/" + file);
}

TBitmapButton* MakeCommandButton(const char* name, const char* image, QWidget* parent) {
    auto* button = new TBitmapButton(parent);
    button->setObjectName(name);
    button->SetNumGlyphs(4);
    button->SetColor(Magenta);
    button->SetTransparent(true);
    button->SetGlyph(LoadButtonImage(QString(image) + ".png"),
                     LoadButtonImage(QString(image) + "@2x.png"));
    // White captions on the toolbar's dark band.
    QPalette palette = button->palette();
    palette.setColor(QPalette::Active, QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0xa8, 0xb8, 0xcc));
    button->setPalette(palette);
    button->setMinimumWidth(64);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace twinsweep
