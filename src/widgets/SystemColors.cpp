#include "SystemColors.h"

#include <QApplication>
#include <QPalette>

namespace twinsweep {

namespace {

QPalette::ColorRole RoleOf(unsigned index) {
    switch (index) {
    case 5:
        return QPalette::Base; // window
    case 7:                    // menu text
    case 8:
        return QPalette::WindowText; // window text
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 16:
        return QPalette::Mid; // button shadow
    case 17:
        return QPalette::PlaceholderText; // grey text
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light; // button highlight
    case 21:
        return QPalette::Shadow; // 3D dark shadow
    case 22:
        return QPalette::Midlight; // 3D light
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    case 26:
        return QPalette::Link; // hot light
    case 15:
        return QPalette::Button; // button face
    default:
        return QPalette::Window;
    }
}

} // namespace

TColor ResolveColor(TColor color) {
    if ((color & 0xFF000000) != 0xFF000000)
        return color & 0xFFFFFF;
    const QColor c = QApplication::palette().color(RoleOf(color & 0xFFFFFF));
    return static_cast<TColor>(c.red()) | static_cast<TColor>(c.green()) << 8 |
           static_cast<TColor>(c.blue()) << 16;
}

QColor QColorOf(TColor rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }

} // namespace twinsweep
