#include "TCustomImageControl.h"

#include <QPainter>

namespace twinsweep {

TCustomImageControl::TCustomImageControl(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void TCustomImageControl::paintEvent(QPaintEvent*) {
    if (width() <= 0 || height() <= 0)
        return;
    const qreal ratio = devicePixelRatioF();
    if (image_.size() != size() * ratio || image_.devicePixelRatio() != ratio) {
        image_ = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image_.setDevicePixelRatio(ratio);
    }
    {
        QPainter painter(&image_);
        DrawControl(painter);
    }
    QPainter(this).drawImage(0, 0, image_);
}

} // namespace twinsweep
