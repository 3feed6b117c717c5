#pragma once
// Colours as the windows store them: $00BBGGRR, or $FF000000 plus a system-colour index
// that is looked up in the application palette.
#include <QColor>
#include <QPalette>
#include <cstdint>

namespace twinsweep {

using TColor = uint32_t;

constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clBtnHighlight = 0xFF000014;

QColor ResolveColor(TColor color, const QPalette& palette);

} // namespace twinsweep
