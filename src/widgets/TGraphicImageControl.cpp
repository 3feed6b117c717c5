#include "TGraphicImageControl.h"

#include <QPainter>

namespace twinsweep {

TGraphicImageControl::TGraphicImageControl(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    setFocusPolicy(Qt::NoFocus);
}

void TGraphicImageControl::SetTransparent(bool value) {
    if (value == transparent_)
        return;
    transparent_ = value;
    setAttribute(Qt::WA_OpaquePaintEvent, !value);
    needsCapture_ = true;
    UpdateControl();
}

void TGraphicImageControl::UpdateControl() {
    if (transparent_ && !backImage_.isNull()) {
        needsCapture_ = false;
        setAttribute(Qt::WA_OpaquePaintEvent, true);
    }
    AdjustBounds();
    if (isVisible())
        repaint();
}

void TGraphicImageControl::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    ResizeImages();
}

void TGraphicImageControl::ResizeImages() {
    needsCapture_ = true;
    if (width() <= 0 || height() <= 0) {
        drawImage_ = backImage_ = QImage();
        return;
    }
    const qreal ratio = devicePixelRatioF();
    drawImage_ = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    drawImage_.setDevicePixelRatio(ratio);
    backImage_ = QImage();
}

void TGraphicImageControl::CaptureBackground() {
    backImage_ = QImage(drawImage_.size(), QImage::Format_ARGB32_Premultiplied);
    backImage_.setDevicePixelRatio(drawImage_.devicePixelRatio());
    backImage_.fill(BackgroundColor());
    // The parent alone, without its children: this control is not in the snapshot.
    if (QWidget* parent = parentWidget())
        parent->render(&backImage_, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
    needsCapture_ = false;
}

void TGraphicImageControl::paintEvent(QPaintEvent*) {
    if (width() <= 0 || height() <= 0)
        return;
    if (drawImage_.isNull() || drawImage_.devicePixelRatio() != devicePixelRatioF())
        ResizeImages();
    {
        QPainter painter(&drawImage_);
        if (transparent_) {
            if (needsCapture_ || backImage_.isNull())
                CaptureBackground();
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(0, 0, backImage_);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        } else {
            painter.fillRect(rect(), BackgroundColor());
        }
        DrawContent(painter);
    }
    QPainter(this).drawImage(0, 0, drawImage_);
    if (transparent_) {
        // The next repaint of the parent refreshes the snapshot.
        needsCapture_ = true;
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    }
}

} // namespace twinsweep
