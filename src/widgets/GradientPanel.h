#pragma once
#include <QWidget>

namespace twinsweep {

// A decorative band painted as a colour gradient.
class GradientPanel : public QWidget {
public:
    explicit GradientPanel(const QString& name, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace twinsweep
