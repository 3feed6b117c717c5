#pragma once
// A button drawn from a strip of up to four images of equal width: up, hover, down and
// disabled. One colour of the strip is transparent, and only the strip's other pixels can
// be pressed. An optional caption (the button's text) is drawn under the image.
#include <QImage>
#include <vector>

#include "SystemColors.h"
#include "TGraphicImageControl.h"

namespace twinsweep {

enum class TButtonTransparentMode { tmPixel, tmColor };

class TBitmapButton : public TGraphicImageControl {
    Q_OBJECT
public:
    explicit TBitmapButton(QWidget* parent = nullptr);

    const QImage& Glyph() const { return glyph_; }
    // glyph2x: the same strip drawn at twice the size, used on high-density screens.
    void SetGlyph(const QImage& glyph, const QImage& glyph2x = QImage());
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int value);
    int VIndent() const { return vIndent_; }
    void SetVIndent(int value);
    int HIndent() const { return hIndent_; }
    void SetHIndent(int value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    TButtonTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TButtonTransparentMode value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);

    int CellWidth() const { return cellWidth_; }
    int CellHeight() const { return cellHeight_; }
    bool MouseOver() const { return mouseOver_; }
    // The image shown now: 3 disabled, 2 down, 1 hover, else 0; 0 when the strip is shorter.
    int ImageIndex() const;

    QSize sizeHint() const override;

protected:
    bool hitButton(const QPoint& pos) const override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

    void AdjustBounds() override;
    QColor BackgroundColor() const override;
    void DrawContent(QPainter& painter) override;

private:
    void RebuildCells();
    QImage MaskedStrip(const QImage& strip) const;
    int CaptionHeight() const;
    // Where the image is drawn while up.
    QRect ImageRect() const;

    QImage glyph_, glyph2x_;
    QImage masked_, masked2x_; // the strips with the transparent colour cleared
    std::vector<bool> pressMask_;
    int numGlyphs_ = 1;
    int vIndent_ = 2, hIndent_ = 2;
    bool autoSize_ = false;
    TButtonTransparentMode transparentMode_ = TButtonTransparentMode::tmColor;
    TColor color_ = clBtnFace;
    int cellWidth_ = 0, cellHeight_ = 0;
    bool mouseOver_ = false;
};

} // namespace twinsweep
