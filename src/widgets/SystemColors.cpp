#include "SystemColors.h"

namespace twinsweep {

QColor ResolveColor(TColor color, const QPalette& palette) {
    if ((color & 0xFF000000) == 0)
        return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    switch (color & 0xFF) {
    case 0x0D:
        return palette.color(QPalette::Highlight);
    case 0x10:
        return palette.color(QPalette::Dark);
    case 0x14:
        return palette.color(QPalette::Light);
    case 0x12:
        return palette.color(QPalette::ButtonText);
    default:
        return palette.color(QPalette::Button);
    }
}

} // namespace twinsweep
