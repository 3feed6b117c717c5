#pragma once
// TColor values ($00BBGGRR, or $FF000000 plus a system colour index) and their RGB.
#include <QColor>
#include <cstdint>

namespace twinsweep {

using TColor = std::uint32_t;

constexpr TColor clBtnFace = 0xFF00000F;

// A system colour becomes the application palette's current value; any other colour
// keeps its low three bytes.
TColor ResolveColor(TColor color);
QColor QColorOf(TColor rgb);

} // namespace twinsweep
