#pragma once
// TShader: a container panel whose face is a gradient of flat bands, stacked from the top
// or side by side from the left. Children paint over it.
#include <QWidget>
#include <cstdint>

#include "SystemColors.h"

namespace twinsweep {

class TShader : public QWidget {
public:
    explicit TShader(QWidget* parent = nullptr);

    // Both colours are stored resolved: a system colour reads back as its RGB value.
    TColor FromColor() const { return fromColor_; }
    void SetFromColor(TColor value);
    TColor ToColor() const { return toColor_; }
    void SetToColor(TColor value);
    // Number of bands; 0 is painted, and from then on read, as 1.
    std::uint16_t Steps() const { return steps_; }
    void SetSteps(std::uint16_t value);
    // false: bands from top to bottom; true: from left to right.
    bool Direction() const { return direction_; }
    void SetDirection(bool value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColor fromColor_ = 0xFF0000;
    TColor toColor_ = 0x000000;
    std::uint16_t steps_ = 20;
    bool direction_ = false;
};

} // namespace twinsweep
