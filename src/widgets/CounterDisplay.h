#pragma once
#include <QLCDNumber>

namespace twinsweep {

// A counter showing a short decimal text, as a segment display.
class CounterDisplay : public QLCDNumber {
public:
    explicit CounterDisplay(const QString& name, QWidget* parent = nullptr);
    QString Indicatorstring() const { return text_; }
    void setIndicatorstring(const QString& text);

private:
    QString text_;
};

} // namespace twinsweep
