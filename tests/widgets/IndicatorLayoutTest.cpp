#include "IndicatorLayout.h"

#include <gtest/gtest.h>

namespace twinsweep {
namespace {

// The laid cells as text: a byte per cell, followed by '.' when its point is lit.
std::string Shown(const std::vector<LaidCell>& cells) {
    std::string shown;
    int number = 0;
    for (const LaidCell& cell : cells) {
        EXPECT_EQ(cell.number, ++number);
        shown += static_cast<char>(cell.character);
        if (cell.decimalPoint)
            shown += '.';
    }
    return shown;
}

TEST(IndicatorLayout, TextIsRightAlignedAndPointsLightTheCellBefore) {
    EXPECT_EQ(Shown(LayOutText("0", 10, false)), "         0");
    EXPECT_EQ(Shown(LayOutText("3.14", 10, false)), "       3.14");
    EXPECT_EQ(Shown(LayOutText("3.14", 10, true)), "      3.14");
    EXPECT_EQ(Shown(LayOutText("1234567890123", 10, false)), "1234567890");
    EXPECT_EQ(Shown(LayOutText("1234567890123", 10, true)), "1234567890");
    EXPECT_EQ(Shown(LayOutText(".5", 4, false)), "   .5");   // a blank cell with its point lit
    EXPECT_EQ(Shown(LayOutText("1..2", 4, false)), " 1..2"); // the second point has a cell
    EXPECT_EQ(Shown(LayOutText("12.5", 10, false)), "       12.5");
    EXPECT_EQ(Shown(LayOutText("", 3, false)), "   ");
    EXPECT_EQ(Shown(LayOutText("\xff", 2, false)), " \xff");
}

TEST(IndicatorLayout, SizesFallBackInsteadOfVanishing) {
    EXPECT_EQ(IndicatorMargin(2, 2, true, 2, true), 6);
    EXPECT_EQ(IndicatorMargin(2, 2, false, 3, true), 5);
    CellSize cell = IndicatorCellSize(172, 36, 10, 6);
    EXPECT_EQ(cell.width, 16);
    EXPECT_EQ(cell.height, 24);
    cell = IndicatorCellSize(172, 36, 10, 24); // a margin over half the height
    EXPECT_EQ(cell.height, 36);
    EXPECT_EQ(cell.width, 12);
    cell = IndicatorCellSize(172, 36, 1000000, 6);
    EXPECT_EQ(cell.width, 0);
    cell = IndicatorCellSize(1, 1, 1, -100000);
    EXPECT_EQ(cell.width, 1);
    EXPECT_EQ(cell.height, 1);
}

TEST(IndicatorLayout, TurningSizesTheControlAndKeepsTheLightTopLeft) {
    EXPECT_EQ(RotatedSize(172, 36, 0).width, 172);
    EXPECT_EQ(RotatedSize(172, 36, 900).width, 36);
    EXPECT_EQ(RotatedSize(172, 36, 900).height, 172);
    EXPECT_EQ(RotatedSize(172, 36, 300).width, 167);
    EXPECT_EQ(RotatedSize(172, 36, 300).height, 117);

    // A quarter turn: the top edge runs up the control's left side.
    std::vector<TPoint> corners{{0, 0}, {172, 0}, {172, 36}, {0, 36}};
    IndicatorTransform(172, 36, 900).Apply(corners);
    EXPECT_EQ(corners, (std::vector<TPoint>{{0, 172}, {0, 0}, {36, 0}, {36, 172}}));

    using enum FrameSide;
    const FrameLighting upright = LightingForAngle(0), quarter = LightingForAngle(900);
    EXPECT_EQ(upright.first[0], Top);
    EXPECT_EQ(upright.first[1], Left);
    EXPECT_EQ(quarter.first[0], Top);
    EXPECT_EQ(quarter.first[1], Right);
    EXPECT_EQ(LightingForAngle(1800).first[0], Bottom);
    EXPECT_EQ(LightingForAngle(-900).first[0], Left);

    EXPECT_EQ(ShiftColor(0xDDDDDD, 32), 0xFDFDFDu);
    EXPECT_EQ(ShiftColor(0x10E0FF, 32), 0x30FFFFu);
    EXPECT_EQ(ShiftColor(0x10E0FF, -32), 0x00C0DFu);
}

} // namespace
} // namespace twinsweep
