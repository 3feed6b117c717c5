#include "WaitingBand.h"

namespace twinsweep {

WaitingBand::WaitingBand(const QString& name, QWidget* parent) : QProgressBar(parent) {
    setObjectName(name);
    setRange(0, 0); // busy indicator
    setTextVisible(false);
    setMinimumHeight(18);
}

} // namespace twinsweep
