#include "TBitmapButton.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace twinsweep {

TBitmapButton::TBitmapButton(QWidget* parent) : TGraphicImageControl(parent) { resize(50, 50); }

void TBitmapButton::SetGlyph(const QImage& glyph, const QImage& glyph2x) {
    glyph_ = glyph.convertToFormat(QImage::Format_RGB32);
    glyph2x_ = glyph2x.isNull() ? QImage() : glyph2x.convertToFormat(QImage::Format_RGB32);
    RebuildCells();
    UpdateControl();
}

void TBitmapButton::SetNumGlyphs(int value) {
    if (value == numGlyphs_ || value < 1 || value > 4)
        return;
    numGlyphs_ = value;
    RebuildCells();
    UpdateControl();
}

void TBitmapButton::SetVIndent(int value) {
    if (value == vIndent_ || value < 0)
        return;
    vIndent_ = value;
    UpdateControl();
}

void TBitmapButton::SetHIndent(int value) {
    if (value == hIndent_ || value < 0)
        return;
    hIndent_ = value;
    UpdateControl();
}

void TBitmapButton::SetAutoSize(bool value) {
    if (value == autoSize_)
        return;
    autoSize_ = value;
    UpdateControl();
}

void TBitmapButton::SetTransparentMode(TButtonTransparentMode value) {
    if (value == transparentMode_)
        return;
    transparentMode_ = value;
    RebuildCells();
    UpdateControl();
}

void TBitmapButton::SetColor(TColor value) {
    if (value == color_)
        return;
    color_ = value;
    RebuildCells();
    UpdateControl();
}

QColor TBitmapButton::BackgroundColor() const { return ResolveColor(color_, palette()); }

QImage TBitmapButton::MaskedStrip(const QImage& strip) const {
    if (strip.isNull())
        return {};
    const QRgb key = transparentMode_ == TButtonTransparentMode::tmPixel ? strip.pixel(0, 0)
                                                                         : BackgroundColor().rgb();
    QImage masked = strip.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                line[x] = 0;
    }
    return masked;
}

void TBitmapButton::RebuildCells() {
    cellWidth_ = glyph_.isNull() ? 0 : glyph_.width() / numGlyphs_;
    cellHeight_ = glyph_.isNull() ? 0 : glyph_.height();
    masked_ = MaskedStrip(glyph_);
    const bool doubled = !glyph2x_.isNull() && glyph2x_.size() == glyph_.size() * 2;
    masked2x_ = doubled ? MaskedStrip(glyph2x_) : QImage();
    // The press area: every pixel of the strip that is not the button's colour.
    const QRgb background = BackgroundColor().rgb() & 0xFFFFFF;
    pressMask_.assign(size_t(glyph_.width()) * size_t(glyph_.height()), false);
    for (int y = 0; y < glyph_.height(); ++y)
        for (int x = 0; x < glyph_.width(); ++x)
            pressMask_[size_t(y) * size_t(glyph_.width()) + size_t(x)] =
                (glyph_.pixel(x, y) & 0xFFFFFF) != background;
}

int TBitmapButton::ImageIndex() const {
    int index = !isEnabled() ? 3 : isDown() ? 2 : mouseOver_ ? 1 : 0;
    return index >= numGlyphs_ ? 0 : index;
}

int TBitmapButton::CaptionHeight() const { return text().isEmpty() ? 0 : fontMetrics().height(); }

QRect TBitmapButton::ImageRect() const {
    const int areaHeight = height() - CaptionHeight();
    return QRect((width() - cellWidth_) / 2, (areaHeight - cellHeight_) / 2, cellWidth_,
                 cellHeight_);
}

bool TBitmapButton::hitButton(const QPoint& pos) const {
    if (!rect().contains(pos))
        return false;
    // The first image where it is drawn while up, so a press starts on what the user sees.
    const QPoint at = pos - ImageRect().topLeft();
    if (at.x() < 0 || at.y() < 0 || at.x() >= cellWidth_ || at.y() >= cellHeight_)
        return false;
    return pressMask_[size_t(at.y()) * size_t(glyph_.width()) + size_t(at.x())];
}

QSize TBitmapButton::sizeHint() const {
    QSize size(cellWidth_ + hIndent_ + 1, cellHeight_ + vIndent_ + 1 + CaptionHeight());
    if (!text().isEmpty())
        size.setWidth(std::max(size.width(), fontMetrics().horizontalAdvance(text()) + 8));
    return size;
}

void TBitmapButton::AdjustBounds() {
    updateGeometry();
    if (autoSize_ && cellWidth_ > 0 && cellHeight_ > 0)
        resize(sizeHint());
}

void TBitmapButton::enterEvent(QEnterEvent* event) {
    TGraphicImageControl::enterEvent(event);
    mouseOver_ = true;
    UpdateControl();
}

void TBitmapButton::leaveEvent(QEvent* event) {
    TGraphicImageControl::leaveEvent(event);
    mouseOver_ = false;
    UpdateControl();
}

void TBitmapButton::changeEvent(QEvent* event) {
    TGraphicImageControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        UpdateControl();
    else if (event->type() == QEvent::FontChange)
        AdjustBounds();
}

void TBitmapButton::DrawContent(QPainter& painter) {
    if (cellWidth_ > 0 && cellHeight_ > 0) {
        QRect target = ImageRect();
        if (isDown())
            target.translate(hIndent_, vIndent_);
        const int index = ImageIndex();
        if (painter.device()->devicePixelRatioF() > 1.5 && !masked2x_.isNull())
            painter.drawImage(target, masked2x_,
                              QRect(index * cellWidth_ * 2, 0, cellWidth_ * 2, cellHeight_ * 2));
        else
            painter.drawImage(target, masked_,
                              QRect(index * cellWidth_, 0, cellWidth_, cellHeight_));
    }
    if (!text().isEmpty()) {
        const QRect caption(0, height() - CaptionHeight(), width(), CaptionHeight());
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::ButtonText));
        painter.setFont(font());
        painter.drawText(caption, Qt::AlignCenter,
                         fontMetrics().elidedText(text(), Qt::ElideRight, width()));
    }
}

} // namespace twinsweep
