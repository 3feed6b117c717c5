#include "SystemColors.h"

#include <QApplication>

namespace twinsweep {

namespace {

// The platform's system colour indices and the palette roles that stand for them.
struct SystemColor {
    unsigned index;
    QPalette::ColorRole role;
};

constexpr SystemColor systemColors[] = {
    {5, QPalette::Base},             // window
    {7, QPalette::WindowText},       // menu text
    {8, QPalette::WindowText},       // window text
    {13, QPalette::Highlight},       // highlight
    {14, QPalette::HighlightedText}, // highlight text
    {15, QPalette::Button},          // button face
    {16, QPalette::Dark},            // button shadow
    {17, QPalette::PlaceholderText}, // grey text
    {18, QPalette::ButtonText},      // button text
    {20, QPalette::Light},           // button highlight
    {21, QPalette::Shadow},          // 3D dark shadow
    {22, QPalette::Midlight},        // 3D light
    {23, QPalette::ToolTipText},     // info text
    {24, QPalette::ToolTipBase},     // info background
    {26, QPalette::Link},            // hot light
};

// Other indices (menus, captions, borders) take the window colour.
QPalette::ColorRole RoleOf(unsigned index) {
    for (const SystemColor& color : systemColors)
        if (color.index == index)
            return color.role;
    return QPalette::Window;
}

} // namespace

QColor ResolveColor(TColor color, const QPalette& palette) {
    if ((color & 0xFF000000) != 0xFF000000)
        return QColorOf(color);
    return palette.color(RoleOf(color & 0xFFFFFF));
}

TColor ResolveColor(TColor color) {
    const QColor c = ResolveColor(color, QApplication::palette());
    return static_cast<TColor>(c.red()) | static_cast<TColor>(c.green()) << 8 |
           static_cast<TColor>(c.blue()) << 16;
}

QColor QColorOf(TColor rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }

} // namespace twinsweep
