#include "ProtectedMark.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace twinsweep {

namespace {

QPixmap Padlock(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 16.0, side / 16.0);
    painter.setPen(QPen(QColor(120, 90, 20), 1.6));
    painter.drawArc(QRectF(4.5, 1.5, 7, 8), 0, 180 * 16); // the shackle
    painter.drawLine(QPointF(4.5, 5.5), QPointF(4.5, 7.5));
    painter.drawLine(QPointF(11.5, 5.5), QPointF(11.5, 7.5));
    painter.setPen(QPen(QColor(120, 90, 20), 1));
    painter.setBrush(QColor(230, 180, 40));
    painter.drawRoundedRect(QRectF(2.5, 7.5, 11, 7.5), 1.5, 1.5); // the body
    painter.setBrush(QColor(90, 60, 10));
    painter.drawEllipse(QPointF(8, 11), 1.2, 1.2); // the keyhole
    return pixmap;
}

} // namespace

const QIcon& ProtectedIcon() {
    static const QIcon icon = [] {
        QIcon drawn;
        for (int side : {16, 32})
            drawn.addPixmap(Padlock(side));
        return drawn;
    }();
    return icon;
}

const QIcon& NoMarkIcon() {
    static const QIcon icon = [] {
        QIcon blank;
        for (int side : {16, 32}) {
            QPixmap pixmap(side, side);
            pixmap.fill(Qt::transparent);
            blank.addPixmap(pixmap);
        }
        return blank;
    }();
    return icon;
}

} // namespace twinsweep
