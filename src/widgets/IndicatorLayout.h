#pragma once
// The segment indicator's geometry without drawing: which character each cell shows, the
// cells' size, the frames and their lighting, and the rotation of everything about the
// indicator's centre. Coordinates are integers, y growing downwards.
#include <cstdint>
#include <string>
#include <vector>

#include "IndicatorGlyphs.h"

namespace twinsweep {

// One character cell of the laid-out text: its number from 1, the byte it shows and
// whether its decimal point is lit.
struct LaidCell {
    int number = 0;
    unsigned char character = ' ';
    bool decimalPoint = false;
    bool operator==(const LaidCell&) const = default;
};

// The text right-aligned into `cells` cells. With `matrix` every byte takes a cell; else a
// '.' or ',' lights the decimal point of the cell before it.
std::vector<LaidCell> LayOutText(const std::string& text, int cells, bool matrix);

// The space between the control's edge and the cells: the gap plus the bevels drawn.
int IndicatorMargin(int gap, int outerBevelWidth, bool outerDrawn, int innerBevelWidth,
                    bool innerDrawn);

struct CellSize {
    int width = 0, height = 0;
};
// The cells' size, falling back to the whole height and an even share of the whole width
// when the margin leaves no room.
CellSize IndicatorCellSize(int width, int height, int cells, int margin);

// The size of the control: the bounding box of the indicator turned by `angle` tenths of a
// degree, rounded half to even.
CellSize RotatedSize(int width, int height, int angle);

// Turns points given in indicator coordinates (origin top-left of the unturned indicator)
// into control coordinates: about the indicator's centre by `angle` tenths of a degree,
// counter-clockwise on screen, then into the middle of the control.
class IndicatorTransform {
public:
    IndicatorTransform(int width, int height, int angle);
    void Apply(std::vector<TPoint>& points) const;

private:
    double theta_;
    int centreX_, centreY_, offsetX_, offsetY_;
};

// The four sides of a frame, in drawing order within their pairs.
enum class FrameSide { Top, Left, Bottom, Right };

struct FrameQuad {
    FrameSide side;
    TPoint corners[4];
};

// A frame `bevel` wide, inset by `inset` on all sides of a width × height indicator.
std::vector<FrameQuad> FrameQuads(int width, int height, int inset, int bevel);

// The sides lit as if from the screen's top left, first pair then second, for an angle.
struct FrameLighting {
    FrameSide first[2];
    FrameSide second[2];
};
FrameLighting LightingForAngle(int angle);

// Colours are 32-bit $00BBGGRR values, red in the low byte.
using TColor = uint32_t;
// A channel-wise step, kept within 0 to 255.
TColor ShiftColor(TColor color, int step);

} // namespace twinsweep
