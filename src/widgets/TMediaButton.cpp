#include "TMediaButton.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "SystemFolders.h"

namespace twinsweep {

namespace {

QImage WithoutOlive(const QImage& strip) {
    QImage image = strip.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == 0x808000)
                line[x] = 0;
    }
    return image;
}

QImage ProgramStrip(const char* file) {
    return QImage(QString::fromStdString(DataFolder()) + "buttons/" + file);
}

int Channel(int from, int to, int step, int span) {
    const long value = std::lround(from + double(step) * (to - from) / span);
    return int(std::clamp(value, 0L, 255L));
}

} // namespace

TMediaButton::TMediaButton(QWidget* parent) : TCustomImageControl(parent) {
    setFocusPolicy(Qt::NoFocus);
    SetIconStrips(ProgramStrip("EN_IMAGES.png"), ProgramStrip("DI_IMAGES.png"));
    resize(40, 15);
}

void TMediaButton::SetButtonType(TMediaButtonType value) {
    if (value == buttonType_)
        return;
    buttonType_ = value;
    update();
}

void TMediaButton::SetFocusColor(TColor value) {
    if (value == focusColor_)
        return;
    focusColor_ = value;
    update();
}

void TMediaButton::SetBorderColor(TColor value) {
    if (value == borderColor_)
        return;
    borderColor_ = value;
    update();
}

void TMediaButton::SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus); }

void TMediaButton::SetIconStrips(const QImage& enabled, const QImage& disabled) {
    enabledIcons_ = WithoutOlive(enabled);
    disabledIcons_ = WithoutOlive(disabled);
    update();
}

void TMediaButton::changeEvent(QEvent* event) {
    TCustomImageControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

void TMediaButton::focusInEvent(QFocusEvent* event) {
    TCustomImageControl::focusInEvent(event);
    update();
}

void TMediaButton::focusOutEvent(QFocusEvent* event) {
    TCustomImageControl::focusOutEvent(event);
    update();
}

// A vertical gradient from top to bottom in bands of a tenth of the height.
void TMediaButton::DrawFace(QPainter& painter, const QColor& top, const QColor& bottom) {
    const QRect face = rect().adjusted(2, 2, -2, -2);
    const int span = face.height();
    if (span <= 0 || face.width() <= 0)
        return;
    const int band = std::max(height() / 10, 2);
    for (int k = 0; k * band <= span; ++k) {
        const int step = k * band;
        const QColor colour(Channel(top.red(), bottom.red(), step, span),
                            Channel(top.green(), bottom.green(), step, span),
                            Channel(top.blue(), bottom.blue(), step, span));
        painter.fillRect(QRect(face.left(), face.top() + step, face.width(), band) & face, colour);
    }
}

void TMediaButton::DrawControl(QPainter& painter) {
    const QPalette& colours = palette();
    const QColor face = ResolveColor(clBtnFace, colours);
    const QColor light = ResolveColor(clBtnHighlight, colours);
    const QColor shadow = ResolveColor(clBtnShadow, colours);
    const bool down = isDown();
    const QColor top = down ? face : light;
    const QColor bottom = down ? light : shadow;

    painter.fillRect(rect(), face);
    DrawFace(painter, top, bottom);

    const QImage& icons = isEnabled() ? enabledIcons_ : disabledIcons_;
    const int w = icons.width() / 10, h = icons.height();
    if (w > 0 && h > 0) {
        const QPoint at(width() / 2 - w / 2, height() / 2 - h / 2 + (down ? 1 : 0));
        painter.drawImage(QRect(at, QSize(w, h)), icons, QRect(w * int(buttonType_), 0, w, h));
    }

    const int right = width() - 1, bottomEdge = height() - 1;
    const QColor border = ResolveColor(hasFocus() ? focusColor_ : borderColor_, colours);
    painter.fillRect(QRect(0, 0, width(), 1), border);
    painter.fillRect(QRect(0, bottomEdge, width(), 1), border);
    painter.fillRect(QRect(0, 0, 1, height()), border);
    painter.fillRect(QRect(right, 0, 1, height()), border);

    // The bevel: sunken while down, raised otherwise.
    if (width() < 3 || height() < 3)
        return;
    const QColor topLeft = down ? shadow : top;
    const QColor bottomRight = down ? face : bottom;
    painter.fillRect(QRect(1, 1, width() - 2, 1), topLeft);
    painter.fillRect(QRect(1, 1, 1, height() - 2), topLeft);
    painter.fillRect(QRect(1, bottomEdge - 1, width() - 2, 1), bottomRight);
    painter.fillRect(QRect(right - 1, 1, 1, height() - 2), bottomRight);
}

} // namespace twinsweep
