#include "CommandButtons.h"

#include <QHBoxLayout>
#include <QPalette>

#include "NamedWidgets.h"
#include "Shader.h"
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

CommandBar MakeCommandBar(QWidget* parent) {
    CommandBar bar;
    bar.Shader1 = Named(new TShader(parent), "Shader1");
    // Dark to light blue from left to right; ToColor lies one band past the last one.
    bar.Shader1->SetFromColor(0x794E1F);
    bar.Shader1->SetToColor(0xB97D3A);
    bar.Shader1->SetSteps(64);
    bar.Shader1->SetDirection(true);
    auto* row = new QHBoxLayout(bar.Shader1);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(6);
    auto add = [&](TBitmapButton*& button, const char* name, const char* image) {
        button = MakeCommandButton(name, image, bar.Shader1);
        row->addWidget(button);
    };
    add(bar.BT1, "BT1", "search");
    add(bar.BT2, "BT2", "compare");
    add(bar.BT4, "BT4", "trash");
    row->addSpacing(16);
    add(bar.BT9, "BT9", "open");
    add(bar.BT10, "BT10", "save");
    row->addStretch(1);
    add(bar.BT5, "BT5", "welcome");
    add(bar.BT7, "BT7", "guide");
    add(bar.BT6, "BT6", "about");
    add(bar.BT8, "BT8", "quit");
    return bar;
}

} // namespace twinsweep
