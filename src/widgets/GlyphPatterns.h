#pragma once
// Which elements of an indicator cell are lit for one character: the bar table of the
// segment kinds and the 5 x 7 glyphs of the matrix.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace twinsweep {

enum TZvIndicatorKind { ik7segment, ik5x7matrix, ik9segment };

// Elements per cell: 8 for ik7segment (seven bars, the decimal point), 10 for ik9segment
// (seven bars, two colon dots, the decimal point), 35 for ik5x7matrix (dots row by row).
int ElementCount(TZvIndicatorKind kind);

// The lit elements of one cell; bit i stands for element i + 1 in element order.
struct ElementPattern {
    int Count = 0;
    std::uint64_t Lit = 0;

    bool IsLit(int index) const { return (Lit >> index) & 1u; }
    // One '1' (lit) or '0' (unlit) per element, in element order.
    std::string Text() const;
};

// Bars 1 to 7 of a segment character as '0'/'1' text; empty when the character has
// none. Letters are case-sensitive.
std::string_view SegmentBars(unsigned char character);

// The seven rows of a matrix glyph, top first; value 16 is the leftmost column. All
// zero for characters without a glyph.
std::array<std::uint8_t, 7> MatrixRows(unsigned char character);

// The pattern of one cell. The decimal point flag counts for the segment kinds only; a
// '.' or ',' there lights the decimal point alone.
ElementPattern GlyphPattern(TZvIndicatorKind kind, unsigned char character, bool decimalPoint);

} // namespace twinsweep
