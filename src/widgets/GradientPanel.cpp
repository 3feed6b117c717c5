#include "GradientPanel.h"

#include <QLinearGradient>
#include <QPainter>

namespace twinsweep {

GradientPanel::GradientPanel(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAutoFillBackground(false);
}

void GradientPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(rect().topLeft(), rect().topRight());
    gradient.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    gradient.setColorAt(1, QColor(0x3a, 0x7c, 0xb8));
    painter.fillRect(rect(), gradient);
}

} // namespace twinsweep
