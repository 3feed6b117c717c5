#pragma once
// The shapes of one indicator cell: every element of a character as a polygon, split into
// the lit and the unlit set. Only computes; the indicator fills, rotates and draws them.
#include <cstdint>
#include <span>
#include <vector>

#include "GlyphPatterns.h"

namespace twinsweep {

enum TZvIndicatorStyle { isThin, isNormal, isThick };

struct TPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

using Tpoints = std::vector<TPoint>;
using Tintegers = std::vector<std::int32_t>;

// Polygons in the form a poly-polygon region takes: all vertices one polygon after
// another, and the vertex count of each polygon in the same order.
struct PolygonSet {
    Tpoints Points;
    Tintegers Counts;

    std::int32_t PolygonCount() const { return static_cast<std::int32_t>(Counts.size()); }
    bool Empty() const { return Counts.empty(); }
    // Keeps the arrays' storage for the next glyph.
    void Clear();
    void Add(std::span<const TPoint> polygon);
    void Append(const PolygonSet& other);
};

// A rectangle in layout coordinates, y growing downwards.
struct TRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
};

// The indicator's settings that shape its glyphs.
struct GlyphOptions {
    TZvIndicatorKind IndicatorKind = ik7segment;
    TZvIndicatorStyle IndicatorStyle = isNormal;
    // The mouse is over an indicator whose MouseAction widens the elements: bars get
    // thicker, matrix dots smaller.
    bool HoverWidth = false;
};

// Empties both sets, then adds every element of `character` (a byte of the indicator's
// text) in element order: lit ones to `lit`, the others to `unlit`, moved to the cell's
// position. `decimalPoint` lights the decimal point of the segment kinds.
void BuildGlyph(const GlyphOptions& options, const TRect& cell, char character, bool decimalPoint,
                PolygonSet& lit, PolygonSet& unlit);

} // namespace twinsweep
