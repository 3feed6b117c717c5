#include "StandIns.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

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

CommandButton::CommandButton(const QString& name, const QIcon& icon, QWidget* parent)
    : QToolButton(parent) {
    setObjectName(name);
    setIcon(icon);
    setIconSize(QSize(28, 28));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAutoRaise(true);
    setMinimumWidth(72);
}

WaitingBand::WaitingBand(const QString& name, QWidget* parent) : QProgressBar(parent) {
    setObjectName(name);
    setRange(0, 0); // busy indicator
    setTextVisible(false);
    setMinimumHeight(18);
}

LinkLabel::LinkLabel(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet("color: palette(link); text-decoration: underline;");
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
        onClick();
}

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
