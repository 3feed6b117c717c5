#pragma once
// A button-like control drawn into an image of its own size and then copied to the
// screen. When Transparent, the image starts from a snapshot of the parent's pixels under
// the control instead of a plain colour. The base is a QAbstractButton so that click(),
// clicked() and the press and release rules come from Qt; subclasses narrow the press
// area through hitButton().
#include <QAbstractButton>
#include <QImage>

namespace twinsweep {

class TGraphicImageControl : public QAbstractButton {
    Q_OBJECT
public:
    explicit TGraphicImageControl(QWidget* parent = nullptr);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    // Repaints at once; keeps the current snapshot, so the parent is not painted again.
    void UpdateControl();

protected:
    // Called before repainting: a subclass may change its size here.
    virtual void AdjustBounds() {}
    virtual QColor BackgroundColor() const = 0;
    // Draws over the background; the painter works in the control's coordinates.
    virtual void DrawContent(QPainter& painter) = 0;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ResizeImages();
    void CaptureBackground();

    bool transparent_ = false;
    bool needsCapture_ = true;
    QImage drawImage_;
    QImage backImage_;
};

} // namespace twinsweep
