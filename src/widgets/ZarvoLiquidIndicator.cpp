#include "ZarvoLiquidIndicator.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace twinsweep {

namespace {

const QEvent::Type RebuildRequest =
    static_cast<QEvent::Type>(QEvent::registerEventType(QEvent::User + 45157));

QColor ToQColor(TColor color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QPolygon ToPolygon(const TPoint* points, int count) {
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i)
        polygon.setPoint(i, points[i].X, points[i].Y);
    return polygon;
}

// The polygons of a set as one path, filled alternately.
QPainterPath PathOf(const PolygonSet& set) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    size_t at = 0;
    for (int32_t count : set.Counts) {
        path.addPolygon(ToPolygon(&set.Points[at], count));
        path.closeSubpath();
        at += static_cast<size_t>(count);
    }
    return path;
}

// The polygons of a set as one region.
QRegion RegionOf(const PolygonSet& set) {
    QRegion region;
    size_t at = 0;
    for (int32_t count : set.Counts) {
        region += QRegion(ToPolygon(&set.Points[at], count), Qt::OddEvenFill);
        at += static_cast<size_t>(count);
    }
    return region;
}

// Every colour byte of a 24-bit copy moved by `step`, within 0 to 255.
QImage Shifted(const QImage& material, int step) {
    QImage copy = material.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < copy.height(); ++y) {
        uchar* row = copy.scanLine(y);
        for (int x = 0; x < 3 * copy.width(); ++x)
            row[x] = static_cast<uchar>(std::clamp(row[x] + step, 0, 255));
    }
    return copy;
}

} // namespace

TZarvoLiquidIndicator::TZarvoLiquidIndicator(const QString& name, QWidget* parent)
    : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    resize(width_, height_);
    UpdateWindowRegion();
    RebuildImage();
}

void TZarvoLiquidIndicator::Loaded() {
    isLoaded_ = true;
    PrepareMaterials();
    UpdateWindowRegion();
    RebuildImage();
    update();
}

void TZarvoLiquidIndicator::PostRebuildRequest() {
    QCoreApplication::postEvent(this, new QEvent(RebuildRequest));
}

bool TZarvoLiquidIndicator::event(QEvent* event) {
    if (event->type() != RebuildRequest)
        return QWidget::event(event);
    RebuildImage();
    update();
    return true;
}

void TZarvoLiquidIndicator::enterEvent(QEnterEvent* event) {
    mouseInside_ = true;
    PostRebuildRequest();
    QWidget::enterEvent(event);
    if (onMouseEnter)
        onMouseEnter(this);
}

void TZarvoLiquidIndicator::leaveEvent(QEvent* event) {
    mouseInside_ = false;
    PostRebuildRequest();
    QWidget::leaveEvent(event);
    if (onMouseExit)
        onMouseExit(this);
}

void TZarvoLiquidIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (paintRegion_)
        painter.setClipRegion(*paintRegion_);
    painter.drawImage(0, 0, image_);
}

void TZarvoLiquidIndicator::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const double theta = angle_ * 3.14159265358979323846 / 1800;
    if (std::abs(std::sin(theta)) < 0.0001) {
        height_ = height();
        width_ = width();
        UpdateWindowRegion();
        PostRebuildRequest();
    } else if (std::abs(std::cos(theta)) < 0.0001) {
        height_ = width();
        width_ = height();
        UpdateWindowRegion();
        RebuildImage();
        update();
    } else {
        const CellSize box = RotatedSize(width_, height_, angle_);
        if (box.width != width() || box.height != height()) {
            const QRegion old = mask().isEmpty() ? QRegion(rect()) : mask();
            resize(box.width, box.height);
            if (parentWidget())
                parentWidget()->update(old.translated(pos()));
        }
        if (parentWidget())
            parentWidget()->update();
        PostRebuildRequest();
    }
}

void TZarvoLiquidIndicator::ResizeForAngle() {
    const CellSize box = RotatedSize(width_, height_, angle_);
    const QRegion old = (mask().isEmpty() ? QRegion(rect()) : mask()).translated(pos());
    resize(box.width, box.height);
    UpdateWindowRegion();
    if (parentWidget())
        parentWidget()->update(old);
    RebuildImage();
    if (parentWidget())
        parentWidget()->update();
}

void TZarvoLiquidIndicator::UpdateWindowRegion() {
    if (!parentWidget())
        return;
    std::vector<TPoint> corners{{0, 0}, {width_, 0}, {width_, height_}, {0, height_}};
    IndicatorTransform(width_, height_, angle_).Apply(corners);
    const QRegion shape(ToPolygon(corners.data(), 4), Qt::OddEvenFill);
    if (shape == QRegion(rect()))
        clearMask();
    else
        setMask(shape);
}

void TZarvoLiquidIndicator::PrepareMaterials() {
    if (backMaterial_.width() == 0) {
        darkMaterial_ = lightMaterial_ = shadowMaterial_ = QImage();
        return;
    }
    darkMaterial_ = Shifted(backMaterial_, -64);
    lightMaterial_ = Shifted(backMaterial_, 64);
    shadowMaterial_ = Shifted(backMaterial_, shadowMode_ == msmDark    ? -32
                                             : shadowMode_ == msmLight ? 32
                                                                       : 0);
}

void TZarvoLiquidIndicator::DrawMaterial(QPainter& painter, const QImage& material,
                                         TZvMaterialMode mode) const {
    if (material.width() == 0)
        return;
    if (mode == mmStretch) {
        painter.drawImage(image_.rect(), material);
        return;
    }
    for (int col = 0; col <= image_.width() / material.width(); ++col)
        for (int row = 0; row <= image_.height() / std::max(1, material.height()); ++row)
            painter.drawImage(col * material.width(), row * material.height(), material);
}

void TZarvoLiquidIndicator::Fill(QPainter& painter, const QRegion& region, const QColor& color,
                                 const QImage* material, TZvMaterialMode mode) {
    // A clip is set on a saved state only: a later clip after setClipping(false) may be lost.
    painter.save();
    painter.setClipRegion(region);
    if (material->width() == 0)
        painter.fillRect(image_.rect(), color);
    else
        DrawMaterial(painter, *material, mode);
    painter.restore();
}

void TZarvoLiquidIndicator::DrawFrame(QPainter& painter, TZvBevelKind kind, int inset, int width) {
    if (kind == bkNone)
        return;
    const std::vector<FrameQuad> quads = FrameQuads(width_, height_, inset, width);
    const FrameLighting lighting = LightingForAngle(angle_);
    const IndicatorTransform transform(width_, height_, angle_);
    const bool raised = kind == bkUP;
    const auto draw = [&](FrameSide side, bool light) {
        std::vector<TPoint> corners(quads[static_cast<size_t>(side)].corners,
                                    quads[static_cast<size_t>(side)].corners + 4);
        transform.Apply(corners);
        const QRegion region(ToPolygon(corners.data(), 4), Qt::OddEvenFill);
        if (paintRegion_)
            *paintRegion_ += region;
        Fill(painter, region, ToQColor(ShiftColor(bevelColor_, light ? 32 : -32)),
             light ? &lightMaterial_ : &darkMaterial_, materialMode_);
    };
    for (FrameSide side : lighting.first)
        draw(side, raised);
    for (FrameSide side : lighting.second)
        draw(side, !raised);
}

void TZarvoLiquidIndicator::RebuildImage() {
    paintRegion_.reset();
    if (transparent_ != tmNone)
        paintRegion_ = QRegion();
    lit_.Clear();
    unlit_.Clear();
    const int m = IndicatorMargin(gap_, outerWidth_, outerBevel_ != bkNone, innerWidth_,
                                  innerBevel_ != bkNone);
    const CellSize cell = IndicatorCellSize(width_, height_, signNumber_, m);
    if (cell.width >= 1) {
        const GlyphOptions options{kind_, style_, HoverWidth()};
        for (const LaidCell& laid : LayOutText(text_, signNumber_, kind_ == ik5x7matrix)) {
            const TRect rect{(laid.number - 1) * cell.width, 0, laid.number * cell.width,
                             cell.height};
            BuildGlyph(options, rect, static_cast<char>(laid.character), laid.decimalPoint,
                       cellLit_, cellUnlit_);
            lit_.Append(cellLit_);
            unlit_.Append(cellUnlit_);
        }
    }
    const IndicatorTransform transform(width_, height_, angle_);
    for (PolygonSet* set : {&lit_, &unlit_}) {
        for (TPoint& point : set->Points)
            point = {point.X + m, point.Y + m};
        transform.Apply(set->Points);
    }

    const QSize imageSize = size().expandedTo(QSize(1, 1));
    if (image_.size() != imageSize)
        image_ = QImage(imageSize, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image_);
    if (backMaterial_.width() != 0)
        DrawMaterial(painter, backMaterial_, materialMode_);
    else
        image_.fill(ToQColor(backColor_));
    DrawFrame(painter, outerBevel_, 0, outerWidth_);
    DrawFrame(painter, innerBevel_, outerBevel_ == bkNone ? 0 : outerWidth_, innerWidth_);
    if (!lit_.Empty()) {
        const QPainterPath path = PathOf(lit_);
        if (paintRegion_)
            *paintRegion_ += RegionOf(lit_);
        if (foreMaterial_.width() == 0 || HoverColor())
            painter.fillPath(path, ToQColor(HoverColor() ? hoverColor_ : foreColor_));
        else {
            painter.save();
            painter.setClipPath(path);
            DrawMaterial(painter, foreMaterial_, foreMaterialMode_);
            painter.restore();
        }
    }
    if (!unlit_.Empty()) {
        const QPainterPath path = PathOf(unlit_);
        if (paintRegion_ && transparent_ == tmBackOnly)
            *paintRegion_ += RegionOf(unlit_);
        if (backMaterial_.width() == 0)
            painter.fillPath(path, ToQColor(unlitColor_));
        else {
            painter.save();
            painter.setClipPath(path);
            DrawMaterial(painter, shadowMaterial_, materialMode_);
            painter.restore();
        }
    }
}

} // namespace twinsweep
