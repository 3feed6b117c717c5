#include "LinkLabel.h"

#include <QMouseEvent>

namespace twinsweep {

LinkLabel::LinkLabel(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet("color: palette(link); text-decoration: underline;");
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        onClick)
        onClick();
}

} // namespace twinsweep
