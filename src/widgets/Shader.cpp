#include "Shader.h"

#include <QPainter>
#include <cmath>

namespace twinsweep {

namespace {

int Channel(TColor color, int shift) { return static_cast<int>((color >> shift) & 0xFF); }

// To nearest, ties to even (the default rounding mode).
int Round(double value) { return static_cast<int>(std::lrint(value)); }

} // namespace

TShader::TShader(QWidget* parent) : QWidget(parent) { setAutoFillBackground(false); }

void TShader::SetFromColor(TColor value) {
    fromColor_ = ResolveColor(value);
    update();
}

void TShader::SetToColor(TColor value) {
    toColor_ = ResolveColor(value);
    update();
}

void TShader::SetSteps(std::uint16_t value) {
    steps_ = value;
    update();
}

void TShader::SetDirection(bool value) {
    direction_ = value;
    update();
}

void TShader::paintEvent(QPaintEvent*) {
    if (steps_ == 0)
        steps_ = 1;
    const int w = width(), h = height();
    if (w <= 0 || h <= 0)
        return;
    double delta[3];
    for (int c = 0; c < 3; ++c)
        delta[c] = double(Channel(toColor_, 8 * c) - Channel(fromColor_, 8 * c)) / steps_;
    const double size = double(direction_ ? w : h) / steps_;
    QPainter painter(this);
    for (int k = 0; k < steps_; ++k) {
        const int p = Round(k * size);
        // Each band reaches one pixel into the next, so rounding leaves no gaps.
        const int extent = Round(size) + 1;
        const QColor color(Channel(fromColor_, 0) + Round(k * delta[0]),
                           Channel(fromColor_, 8) + Round(k * delta[1]),
                           Channel(fromColor_, 16) + Round(k * delta[2]));
        const QRect band = direction_ ? QRect(p, 0, extent, h) : QRect(0, p, w, extent);
        painter.fillRect(band, color);
    }
}

} // namespace twinsweep
