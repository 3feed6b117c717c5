#pragma once
// A focusable button-like control drawn into an image of its own size, which is then
// copied to the screen. The base is a QAbstractButton so that click(), clicked(), the
// space key and the press and release rules come from Qt.
#include <QAbstractButton>
#include <QImage>

namespace twinsweep {

class TCustomImageControl : public QAbstractButton {
    Q_OBJECT
public:
    explicit TCustomImageControl(QWidget* parent = nullptr);

protected:
    // Draws the whole control; the painter works in the control's coordinates.
    virtual void DrawControl(QPainter& painter) = 0;

    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

} // namespace twinsweep
