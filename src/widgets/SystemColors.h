#pragma once
// TColor values ($00BBGGRR, or $FF000000 plus a system colour index) and their RGB.
#include <QColor>
#include <QPalette>
#include <cstdint>

namespace twinsweep {

using TColor = std::uint32_t;

constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clBtnHighlight = 0xFF000014;

// A system colour becomes the palette's current value; any other colour keeps its low
// three bytes.
QColor ResolveColor(TColor color, const QPalette& palette);
// As above, with the application palette, as a TColor.
TColor ResolveColor(TColor color);
QColor QColorOf(TColor rgb);

} // namespace twinsweep
