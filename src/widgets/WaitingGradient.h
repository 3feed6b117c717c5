#pragma once
// TWaitingGradient: a band with a colour gradient that sweeps back and forth across the
// control while work is going on. Its own TWaitingThread keeps time; every tick, paint
// and setter runs on the UI thread.
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "Host.h"
#include "SystemColors.h"

namespace twinsweep {

class TWaitingThread;

class TWaitingGradient : public QWidget {
public:
    // Starts the animation at once. Ticks reach the UI thread through `host`, which must
    // outlive the control and a tick it may have left queued.
    explicit TWaitingGradient(Host& host, QWidget* parent = nullptr);
    ~TWaitingGradient() override;

    // Background outside the band.
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    // A value <= 0 beeps and is ignored; any other restarts the band outside the left edge.
    std::int32_t GradientWidth() const { return gradientWidth_; }
    void SetGradientWidth(std::int32_t value);
    // The band's trailing and leading edges.
    TColor StarTColor() const { return starTColor_; }
    void SetStarTColor(TColor value);
    TColor EndColor() const { return endColor_; }
    void SetEndColor(TColor value);
    // Milliseconds between ticks, from the next pause on.
    std::uint32_t Interval() const { return interval_; }
    void SetInterval(std::uint32_t value);
    // Pauses and resumes the ticks; QWidget::setEnabled on the control does the same.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);

    // x of the band's left edge, and its direction of travel.
    std::int32_t BandPosition() const { return bandPosition_; }
    bool MovingLeft() const { return movingLeft_; }

    // Moves the band 2 pixels, turning it at the ends, and paints at once. Does nothing
    // once destruction has begun.
    void Tick();

    QSize sizeHint() const override { return QSize(100, 10); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildStrip();
    void ResetRects();
    void ApplyEnabled(bool value);

    bool creating_ = true;
    TColor color_ = clBtnFace;
    std::int32_t gradientWidth_ = 50;
    TColor starTColor_ = clBtnFace;
    TColor endColor_ = 0x000000;
    std::uint32_t interval_ = 50;
    bool enabled_ = true;

    std::unique_ptr<QImage> strip_; // null once destruction has begun
    std::int32_t bandPosition_ = -50;
    bool movingLeft_ = false;
    QRect sourceRect_, destRect_;
    std::unique_ptr<TWaitingThread> thread_;
};

} // namespace twinsweep
