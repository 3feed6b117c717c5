#pragma once
#include <QProgressBar>

namespace twinsweep {

// The moving band shown while a search or scan runs.
class WaitingBand : public QProgressBar {
public:
    explicit WaitingBand(const QString& name, QWidget* parent = nullptr);
};

} // namespace twinsweep
