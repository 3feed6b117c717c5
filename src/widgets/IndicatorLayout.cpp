#include "IndicatorLayout.h"

#include <algorithm>
#include <cmath>

namespace twinsweep {

namespace {

constexpr double Pi = 3.14159265358979323846;

bool IsPoint(unsigned char c) { return c == '.' || c == ','; }

// Rounds half to even.
int Round(double value) { return static_cast<int>(std::nearbyint(value)); }

// Walks a text emitting cells as the segment kinds show it; returns the cells used.
template <typename Emit> int ScanSegments(const std::string& text, int cells, Emit emit) {
    int next = 1;
    bool pending = false;
    unsigned char held = 0;
    const auto put = [&](unsigned char c, bool point) { emit(LaidCell{next++, c, point}); };
    for (size_t j = 0; j < text.size() && next <= cells; ++j) {
        const auto x = static_cast<unsigned char>(text[j]);
        const bool last = j + 1 == text.size();
        if (j == 0 && IsPoint(x)) {
            put(' ', true);
            pending = false;
        } else if (!pending) {
            if (last || IsPoint(x))
                put(x, false);
            else {
                held = x;
                pending = true;
            }
        } else if (IsPoint(x)) {
            put(held, true);
            pending = false;
        } else {
            put(held, false);
            held = x;
            if (next > cells)
                break;
            if (last) {
                put(x, false);
                pending = false;
            }
        }
    }
    return next - 1;
}

} // namespace

std::vector<LaidCell> LayOutText(const std::string& text, int cells, bool matrix) {
    std::vector<LaidCell> laid;
    if (cells <= 0)
        return laid;
    if (matrix) {
        const int length =
            static_cast<int>(std::min<size_t>(text.size(), static_cast<size_t>(cells)));
        for (int i = 1; i <= cells; ++i) {
            const int from = i - (cells - length) - 1;
            laid.push_back({i,
                            from < 0 ? static_cast<unsigned char>(' ')
                                     : static_cast<unsigned char>(text[from]),
                            false});
        }
        return laid;
    }
    const int used = ScanSegments(text, cells, [](const LaidCell&) {});
    std::string padded;
    if (!text.empty() && IsPoint(static_cast<unsigned char>(text[0])))
        padded += ' ';
    if (cells > used)
        padded.append(static_cast<size_t>(cells - used), ' ');
    padded += text;
    ScanSegments(padded, cells, [&](const LaidCell& cell) { laid.push_back(cell); });
    return laid;
}

int IndicatorMargin(int gap, int outerBevelWidth, bool outerDrawn, int innerBevelWidth,
                    bool innerDrawn) {
    return gap + (outerDrawn ? outerBevelWidth : 0) + (innerDrawn ? innerBevelWidth : 0);
}

CellSize IndicatorCellSize(int width, int height, int cells, int margin) {
    CellSize size;
    const int64_t h = static_cast<int64_t>(height) - 2 * static_cast<int64_t>(margin);
    size.height = h < 1 || h > height ? height : static_cast<int>(h);
    const int share = width / cells;
    const int64_t w = (static_cast<int64_t>(width) - 2 * static_cast<int64_t>(margin)) / cells;
    size.width = w < 1 || w > share ? share : static_cast<int>(w);
    return size;
}

CellSize RotatedSize(int width, int height, int angle) {
    const double theta = angle * Pi / 1800;
    const double c = std::abs(std::cos(theta)), s = std::abs(std::sin(theta));
    return {Round(c * width + s * height), Round(s * width + c * height)};
}

IndicatorTransform::IndicatorTransform(int width, int height, int angle)
    : theta_(angle * Pi / 1800), centreX_(width / 2), centreY_(height / 2) {
    const CellSize control = RotatedSize(width, height, angle);
    offsetX_ = (control.width - width) / 2;
    offsetY_ = (control.height - height) / 2;
    const double dc = std::hypot(centreX_, centreY_);
    if (Round(dc) != 0) {
        const double phi = std::atan2(-centreY_, centreX_);
        offsetX_ += Round(centreX_ - dc * std::cos(phi + theta_));
        offsetY_ += Round(centreY_ + dc * std::sin(phi + theta_));
    }
}

void IndicatorTransform::Apply(std::vector<TPoint>& points) const {
    const bool upright = theta_ == 0;
    for (TPoint& p : points) {
        if (!upright) {
            const double d = std::hypot(p.X, p.Y);
            if (Round(d) != 0) {
                const double phi = std::atan2(-static_cast<double>(p.Y), p.X);
                p = {Round(d * std::cos(phi + theta_)), -Round(d * std::sin(phi + theta_))};
            }
        }
        p.X += offsetX_;
        p.Y += offsetY_;
    }
}

std::vector<FrameQuad> FrameQuads(int width, int height, int inset, int bevel) {
    const int l = inset, t = inset, r = width - inset, b = height - inset;
    return {{FrameSide::Top, {{l, t}, {r, t}, {r - bevel, t + bevel}, {l + bevel, t + bevel}}},
            {FrameSide::Left, {{l, t}, {l, b}, {l + bevel, b - bevel}, {l + bevel, t + bevel}}},
            {FrameSide::Bottom, {{l, b}, {l + bevel, b - bevel}, {r - bevel, b - bevel}, {r, b}}},
            {FrameSide::Right, {{r, b}, {r - bevel, b - bevel}, {r - bevel, t + bevel}, {r, t}}}};
}

FrameLighting LightingForAngle(int angle) {
    const double theta = angle * Pi / 1800;
    const double s = std::sin(theta), c = std::cos(theta);
    int quadrant = 1;
    if (c >= 0 && s <= 0)
        quadrant = 4;
    if (c <= 0 && s >= 0)
        quadrant = 2;
    if (c <= 0 && s <= 0)
        quadrant = 3;
    const double half = 1 / std::sqrt(2.0);
    int octant = 0;
    switch (quadrant) {
    case 1:
        octant = s <= half ? 1 : 2;
        break;
    case 2:
        octant = s <= half ? 4 : 3;
        break;
    case 3:
        octant = s >= -half ? 5 : 6;
        break;
    default:
        octant = s >= -half ? 8 : 7;
    }
    using enum FrameSide;
    switch (octant) {
    case 1:
    case 8:
        return {{Top, Left}, {Bottom, Right}};
    case 2:
    case 3:
        return {{Top, Right}, {Left, Bottom}};
    case 4:
    case 5:
        return {{Bottom, Right}, {Top, Left}};
    default:
        return {{Left, Bottom}, {Right, Top}};
    }
}

TColor ShiftColor(TColor color, int step) {
    TColor shifted = 0;
    for (int channel = 0; channel < 3; ++channel) {
        const int value = static_cast<int>((color >> (8 * channel)) & 0xFF) + step;
        shifted |= static_cast<TColor>(std::clamp(value, 0, 255)) << (8 * channel);
    }
    return shifted;
}

} // namespace twinsweep
