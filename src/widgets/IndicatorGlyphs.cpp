#include "IndicatorGlyphs.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <limits>
#include <utility>

namespace twinsweep {

void PolygonSet::Clear() {
    Points.clear();
    Counts.clear();
}

void PolygonSet::Add(std::span<const TPoint> polygon) {
    Points.insert(Points.end(), polygon.begin(), polygon.end());
    Counts.push_back(static_cast<std::int32_t>(polygon.size()));
}

void PolygonSet::Append(const PolygonSet& other) {
    Points.insert(Points.end(), other.Points.begin(), other.Points.end());
    Counts.insert(Counts.end(), other.Counts.begin(), other.Counts.end());
}

namespace {

// Cell-local coordinates are 64-bit so that the +1/-1 corrections and the move to the
// cell cannot overflow; they are narrowed once, when stored.
using Coordinate = std::int64_t;

struct LocalPoint {
    Coordinate X;
    Coordinate Y;
};

// Truncates toward zero. The clamp only matters for absurdly large cells.
Coordinate T(double x) {
    constexpr double limit = 1e15;
    return static_cast<Coordinate>(std::clamp(x, -limit, limit));
}

std::int32_t Narrow(Coordinate value) {
    return static_cast<std::int32_t>(std::clamp<Coordinate>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// Takes the elements of one cell in element order, moves them to the cell and files each
// in the lit or the unlit set by its pattern bit.
class CellWriter {
public:
    CellWriter(const TRect& cell, const ElementPattern& pattern, PolygonSet& lit, PolygonSet& unlit)
        : left_(cell.Left), top_(cell.Top), pattern_(pattern), lit_(lit), unlit_(unlit) {}

    void Element(std::initializer_list<LocalPoint> vertices) {
        std::array<TPoint, 6> points;
        std::size_t count = 0;
        for (const LocalPoint& p : vertices)
            points[count++] = {Narrow(left_ + p.X), Narrow(top_ + p.Y)};
        PolygonSet& target = pattern_.IsLit(next_++) ? lit_ : unlit_;
        target.Add(std::span<const TPoint>(points.data(), count));
    }

private:
    Coordinate left_;
    Coordinate top_;
    const ElementPattern& pattern_;
    PolygonSet& lit_;
    PolygonSet& unlit_;
    int next_ = 0;
};

// Bar thickness for the shorter side of the cell.
double BarThickness(TZvIndicatorStyle style, bool hover, double side) {
    switch (style) {
    case isThin:
        return std::max(side / (hover ? 6 : 8), 2.0);
    case isThick:
        return std::max(side / (hover ? 4.5 : 5), 4.0);
    case isNormal:
        break;
    }
    return std::max(side / (hover ? 5 : 6), 3.0);
}

// Matrix dot width (or height) for a column (or row) pitch.
double DotSize(TZvIndicatorStyle style, bool hover, double pitch) {
    switch (style) {
    case isThin:
        return std::max((hover ? pitch / 2 : 2 * pitch / 3) - 1, 1.5);
    case isThick:
        return std::max((hover ? 3 * pitch / 4 : pitch) - 1, 3.5);
    case isNormal:
        break;
    }
    return std::max((hover ? 2 * pitch / 3 : 3 * pitch / 4) - 1, 2.5);
}

// An italic figure on a grid of eighths: the left bars lean from x = u at the bottom
// line (7v) to 2u at the top line (v), the right bars from 5.5u to 6.5u, the middle line
// is 4v. Top and bottom bars are flat outside; the decimal point sits right of the
// bottom-right corner.
void BuildSegments(const GlyphOptions& options, double width, double height, CellWriter& out) {
    const double u = width / 8;
    const double v = height / 8;
    const double t =
        BarThickness(options.IndicatorStyle, options.HoverWidth, std::min(width, height));
    const double h = t / 2;

    // Lower-left, upper-left, top, upper-right, lower-right, bottom and middle bars.
    out.Element({{T(u), T(7 * v + h) - 1},
                 {T(u - h), T(7 * v - h) - 1},
                 {T(1.5 * u - h), T(4 * v + h)},
                 {T(1.5 * u), T(4 * v)},
                 {T(1.5 * u + h), T(4 * v + h)},
                 {T(u + h), T(7 * v - h) - 1}});
    out.Element({{T(1.5 * u), T(4 * v) - 1},
                 {T(1.5 * u - h), T(4 * v - h) - 1},
                 {T(2 * u - h), T(v + h)},
                 {T(2 * u), T(v - h)},
                 {T(2 * u + h), T(v + h)},
                 {T(1.5 * u + h), T(4 * v - h) - 1}});
    out.Element({{T(2 * u) + 1, T(v - h)},
                 {T(2 * u + h) + 1, T(v - h)},
                 {T(6.5 * u - h) - 1, T(v - h)},
                 {T(6.5 * u) - 1, T(v - h)},
                 {T(6.5 * u - h) - 1, T(v + h)},
                 {T(2 * u + h) + 1, T(v + h)}});
    out.Element({{T(6.5 * u), T(v - h)},
                 {T(6.5 * u + h), T(v + h)},
                 {T(6 * u + h), T(4 * v - h) - 1},
                 {T(6 * u), T(4 * v) - 1},
                 {T(6 * u - h), T(4 * v - h) - 1},
                 {T(6.5 * u - h), T(v + h)}});
    out.Element({{T(6 * u), T(4 * v)},
                 {T(6 * u + h), T(4 * v + h)},
                 {T(5.5 * u + h), T(7 * v - h) - 1},
                 {T(5.5 * u), T(7 * v + h) - 1},
                 {T(5.5 * u - h), T(7 * v - h) - 1},
                 {T(6 * u - h), T(4 * v + h)}});
    out.Element({{T(u) + 1, T(7 * v + h)},
                 {T(u + h) + 1, T(7 * v - h)},
                 {T(5.5 * u - h) - 1, T(7 * v - h)},
                 {T(5.5 * u) - 1, T(7 * v + h)},
                 {T(5.5 * u - h) - 1, T(7 * v + h)},
                 {T(u + h) + 1, T(7 * v + h)}});
    out.Element({{T(1.5 * u) + 1, T(4 * v)},
                 {T(1.5 * u + h) + 1, T(4 * v - h)},
                 {T(6 * u - h) - 1, T(4 * v - h)},
                 {T(6 * u) - 1, T(4 * v)},
                 {T(6 * u - h) - 1, T(4 * v + h)},
                 {T(1.5 * u + h) + 1, T(4 * v + h)}});

    if (options.IndicatorKind == ik9segment) {
        const double a = t / 3;
        const double b = 2 * t / 3;
        for (const auto& [cx, cy] : {std::pair{4 * u, 2.5 * v}, std::pair{3.5 * u, 5.5 * v}})
            out.Element({{T(cx - a), T(cy + b)},
                         {T(cx - b), T(cy)},
                         {T(cx - a), T(cy - b)},
                         {T(cx + a), T(cy - b)},
                         {T(cx + b), T(cy)},
                         {T(cx + a), T(cy + b)}});
    }

    const double x = 5.5 * u;
    out.Element({{T(x + t / 4) + 1, T(7 * v)},
                 {T(x + t / 2) + 1, T(7 * v - h)},
                 {T(x + 5 * t / 4), T(7 * v - h)},
                 {T(x + 6 * t / 4), T(7 * v)},
                 {T(x + 5 * t / 4), T(7 * v + h)},
                 {T(x + t / 2) + 1, T(7 * v + h)}});
}

// 5 columns inset from both sides, 7 rows over the whole height, row by row from the top.
void BuildMatrix(const GlyphOptions& options, double width, double height, CellWriter& out) {
    const Coordinate k = T(width / 16) + 1;
    const double dx = (width - 2 * static_cast<double>(k)) / 5;
    const double dy = height / 7;
    const Coordinate sw = T(DotSize(options.IndicatorStyle, options.HoverWidth, dx));
    const Coordinate sh = T(DotSize(options.IndicatorStyle, options.HoverWidth, dy));
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 5; ++column) {
            const Coordinate x0 = T(column * dx + static_cast<double>(k));
            const Coordinate y0 = T(row * dy);
            out.Element({{x0, y0}, {x0 + sw, y0}, {x0 + sw, y0 + sh}, {x0, y0 + sh}});
        }
    }
}

} // namespace

void BuildGlyph(const GlyphOptions& options, const TRect& cell, char character, bool decimalPoint,
                PolygonSet& lit, PolygonSet& unlit) {
    lit.Clear();
    unlit.Clear();
    const ElementPattern pattern =
        GlyphPattern(options.IndicatorKind, static_cast<unsigned char>(character), decimalPoint);
    CellWriter out(cell, pattern, lit, unlit);
    const double width = static_cast<double>(Coordinate{cell.Right} - cell.Left);
    const double height = static_cast<double>(Coordinate{cell.Bottom} - cell.Top);
    if (options.IndicatorKind == ik5x7matrix)
        BuildMatrix(options, width, height, out);
    else
        BuildSegments(options, width, height, out);
}

} // namespace twinsweep
