#include "CounterDisplay.h"

namespace twinsweep {

CounterDisplay::CounterDisplay(const QString& name, QWidget* parent) : QLCDNumber(8, parent) {
    setObjectName(name);
    setSegmentStyle(QLCDNumber::Flat);
    setFrameShape(QFrame::NoFrame);
    setMinimumSize(110, 30);
    setIndicatorstring("0");
}

void CounterDisplay::setIndicatorstring(const QString& text) {
    text_ = text;
    display(text);
}

} // namespace twinsweep
