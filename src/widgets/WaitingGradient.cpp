#include "WaitingGradient.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "WaitingThread.h"

namespace twinsweep {

namespace {

int Channel(TColor color, int shift) { return static_cast<int>((color >> shift) & 0xFF); }

// To nearest, ties to even (the default rounding mode).
int Round(double value) { return static_cast<int>(std::lrint(value)); }

} // namespace

TWaitingGradient::TWaitingGradient(Host& host, QWidget* parent) : QWidget(parent) {
    resize(100, 10);
    strip_ = std::make_unique<QImage>();
    BuildStrip();
    ResetRects();
    thread_ = std::make_unique<TWaitingThread>(host, [this] { Tick(); });
    thread_->SetInterval(interval_);
    thread_->Resume();
    creating_ = false;
}

TWaitingGradient::~TWaitingGradient() {
    strip_.reset(); // a tick still queued now returns at once
    thread_.reset();
}

void TWaitingGradient::SetColor(TColor value) {
    color_ = value;
    update();
}

void TWaitingGradient::SetGradientWidth(std::int32_t value) {
    if (value <= 0) {
        QApplication::beep();
        return;
    }
    gradientWidth_ = value;
    bandPosition_ = -value;
    ResetRects();
    if (!creating_)
        BuildStrip();
    update();
}

void TWaitingGradient::SetStarTColor(TColor value) {
    starTColor_ = value;
    if (!creating_)
        BuildStrip();
    update();
}

void TWaitingGradient::SetEndColor(TColor value) {
    endColor_ = value;
    if (!creating_)
        BuildStrip();
    update();
}

void TWaitingGradient::SetInterval(std::uint32_t value) {
    interval_ = value;
    thread_->SetInterval(value);
}

void TWaitingGradient::SetEnabled(bool value) {
    setEnabled(value);
    ApplyEnabled(value);
}

void TWaitingGradient::ApplyEnabled(bool value) {
    if (value == enabled_ || !thread_)
        return;
    enabled_ = value;
    if (value)
        thread_->Resume();
    else
        thread_->Suspend();
}

void TWaitingGradient::changeEvent(QEvent* event) {
    // Only the control's own setting counts, not a disabled parent.
    if (event->type() == QEvent::EnabledChange)
        ApplyEnabled(!testAttribute(Qt::WA_ForceDisabled));
    QWidget::changeEvent(event);
}

void TWaitingGradient::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ResetRects();
    if (!creating_)
        BuildStrip();
}

void TWaitingGradient::ResetRects() {
    sourceRect_ = QRect(0, 0, gradientWidth_, height());
    destRect_ = sourceRect_.translated(bandPosition_, 0);
}

void TWaitingGradient::BuildStrip() {
    if (!strip_)
        return;
    const TColor start = ResolveColor(starTColor_), end = ResolveColor(endColor_);
    // The leading edge always shows EndColor.
    const TColor left = movingLeft_ ? end : start, right = movingLeft_ ? start : end;
    const int height = this->height();
    const int steps = std::min(gradientWidth_, width());
    if (steps <= 0 || height <= 0) {
        *strip_ = QImage(); // nothing to show: the background covers the control
        return;
    }
    QImage strip(gradientWidth_, height, QImage::Format_RGB32);
    if (strip.isNull()) {
        *strip_ = QImage();
        return;
    }
    double step[3];
    for (int c = 0; c < 3; ++c)
        step[c] = double(Channel(right, 8 * c) - Channel(left, 8 * c)) / steps;
    const double stripe = double(gradientWidth_) / steps;
    QPainter painter(&strip);
    // One stripe more than steps: the last lies past the right edge.
    for (int k = 0; k <= steps; ++k) {
        const int x0 = Round(k * stripe), x1 = Round((k + 1) * stripe);
        int rgb[3];
        for (int c = 0; c < 3; ++c)
            rgb[c] = std::clamp(Round(Channel(left, 8 * c) + k * step[c]), 0, 255);
        painter.fillRect(QRect(x0, 0, x1 - x0, height), QColor(rgb[0], rgb[1], rgb[2]));
    }
    painter.end();
    *strip_ = std::move(strip);
}

void TWaitingGradient::Tick() {
    if (!strip_)
        return;
    try {
        const std::int64_t w = width();
        if (!movingLeft_) {
            if (std::int64_t(bandPosition_) + gradientWidth_ < w) {
                bandPosition_ += 2;
            } else {
                movingLeft_ = true;
                BuildStrip();
                bandPosition_ = static_cast<std::int32_t>(w); // just outside the right edge
            }
        } else if (bandPosition_ > 0) {
            bandPosition_ -= 2;
        } else {
            movingLeft_ = false;
            BuildStrip();
            bandPosition_ = -gradientWidth_; // just outside the left edge
        }
        destRect_ = sourceRect_.translated(bandPosition_, 0);
        repaint();
    } catch (...) {
        // a failed tick only loses its frame
    }
}

void TWaitingGradient::paintEvent(QPaintEvent*) {
    const int w = width(), h = height();
    if (w <= 0 || h <= 0)
        return;
    QPainter painter(this);
    const QColor background = QColorOf(ResolveColor(color_));
    const bool hasStrip = strip_ && !strip_->isNull();
    const std::int64_t bandLeft = bandPosition_;
    const std::int64_t bandRight = bandLeft + (hasStrip ? strip_->width() : 0);
    // The background left and right of the band, each clipped to the control.
    auto fill = [&](std::int64_t from, std::int64_t to) {
        from = std::clamp<std::int64_t>(from, 0, w);
        to = std::clamp<std::int64_t>(to, 0, w);
        if (to > from)
            painter.fillRect(QRect(int(from), 0, int(to - from), h), background);
    };
    fill(0, bandLeft);
    fill(bandRight, w);
    if (hasStrip)
        painter.drawImage(destRect_, *strip_, sourceRect_);
}

} // namespace twinsweep
