#pragma once
// A row of liquid-crystal character cells (seven- or nine-segment digits, or a 5 × 7 dot
// matrix) in a bevelled frame, turnable by any angle, with textures and transparency, and
// reacting to the mouse. All geometry and drawing happen in RebuildImage into an off-screen
// image; painting is one clipped copy of it.
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "IndicatorLayout.h"

namespace twinsweep {

enum TZvColorScheme { csSilver, csInvSilver, csWhite, csBlack, csPlasma, csInvPlasma, csKORM };
enum TZvBevelKind { bkUP, bkDown, bkNone };
enum TZvMouseAction { maNone, maColor, maWidth, maBoth };
enum TZvTransparentMode { tmNone, tmBackOnly, tmAll };
enum TZvMaterialShadowMode { msmDark, msmLight, msmNone };
enum TZvMaterialMode { mmStretch, mmTile };

class TZarvoLiquidIndicator : public QWidget {
public:
    explicit TZarvoLiquidIndicator(const QString& name = {}, QWidget* parent = nullptr);

    // Applies what was stored while loading; from then on sizes and schemes act at once.
    void Loaded();
    bool IsLoaded() const { return isLoaded_; }

    TZvColorScheme ColorScheme() const { return scheme_; }
    void SetColorScheme(TZvColorScheme scheme);
    int SignNumber() const { return signNumber_; }
    void SetSignNumber(int value);
    int IndicatorWidth() const { return width_; }
    void SetIndicatorWidth(int value);
    int IndicatorHeight() const { return height_; }
    void SetIndicatorHeight(int value);
    int IndicatorAngle() const { return angle_; }
    void SetIndicatorAngle(int value);
    int IndicatorGap() const { return gap_; }
    void SetIndicatorGap(int value);
    QString Indicatorstring() const { return QString::fromStdString(text_); }
    void setIndicatorstring(const QString& text);
    TZvIndicatorKind IndicatorKind() const { return kind_; }
    void SetIndicatorKind(TZvIndicatorKind value);
    TZvBevelKind InnerBevel() const { return innerBevel_; }
    void SetInnerBevel(TZvBevelKind value);
    TZvBevelKind OuterBevel() const { return outerBevel_; }
    void SetOuterBevel(TZvBevelKind value);
    int InnerBevelWidth() const { return innerWidth_; }
    void SetInnerBevelWidth(int value);
    int OuterBevelWidth() const { return outerWidth_; }
    void SetOuterBevelWidth(int value);
    TColor BevelColor() const { return bevelColor_; }
    void SetBevelColor(TColor value);
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor value);
    TColor NumberForeColor() const { return foreColor_; }
    void SetNumberForeColor(TColor value);
    TColor NumberForeColor1() const { return hoverColor_; }
    void SetNumberForeColor1(TColor value);
    TColor NumberBackColor() const { return unlitColor_; }
    void SetNumberBackColor(TColor value);
    TZvIndicatorStyle IndicatorStyle() const { return style_; }
    void SetIndicatorStyle(TZvIndicatorStyle value);
    TZvMouseAction MouseAction() const { return mouseAction_; }
    void SetMouseAction(TZvMouseAction value);
    TZvTransparentMode TransparentMode() const { return transparent_; }
    void SetTransparentMode(TZvTransparentMode value);
    const QImage& BackMaterial() const { return backMaterial_; }
    void SetBackMaterial(const QImage& value);
    const QImage& ForeMaterial() const { return foreMaterial_; }
    void SetForeMaterial(const QImage& value);
    TZvMaterialShadowMode MaterialShadowMode() const { return shadowMode_; }
    void SetMaterialShadowMode(TZvMaterialShadowMode value);
    TZvMaterialMode MaterialMode() const { return materialMode_; }
    void SetMaterialMode(TZvMaterialMode value);
    TZvMaterialMode ForeMaterialMode() const { return foreMaterialMode_; }
    void SetForeMaterialMode(TZvMaterialMode value);

    std::function<void(TZarvoLiquidIndicator* sender)> onMouseEnter;
    std::function<void(TZarvoLiquidIndicator* sender)> onMouseExit;

    // The finished picture and the part of it that is painted (none: all of it).
    const QImage& OffscreenImage() const { return image_; }
    const std::optional<QRegion>& PaintRegion() const { return paintRegion_; }
    bool MouseInside() const { return mouseInside_; }

    QSize sizeHint() const override { return size(); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    template <typename T> void Set(T& member, T value);
    void RebuildImage();
    void UpdateWindowRegion();
    void ResizeForAngle();
    void PostRebuildRequest();
    void PrepareMaterials();
    void DrawMaterial(class QPainter& painter, const QImage& material, TZvMaterialMode mode) const;
    void DrawFrame(QPainter& painter, TZvBevelKind kind, int inset, int width);
    // Fills a region with a colour, or with the material when there is one.
    void Fill(QPainter& painter, const QRegion& region, const QColor& color, const QImage* material,
              TZvMaterialMode mode);
    bool HoverColor() const {
        return mouseInside_ && (mouseAction_ == maColor || mouseAction_ == maBoth);
    }
    bool HoverWidth() const {
        return mouseInside_ && (mouseAction_ == maWidth || mouseAction_ == maBoth);
    }

    bool isLoaded_ = false;
    bool mouseInside_ = false;
    TZvColorScheme scheme_ = csSilver;
    int signNumber_ = 10, width_ = 172, height_ = 36, angle_ = 0, gap_ = 2;
    std::string text_;
    TZvIndicatorKind kind_ = ik7segment;
    TZvBevelKind innerBevel_ = bkDown, outerBevel_ = bkUP;
    int innerWidth_ = 2, outerWidth_ = 2;
    TColor bevelColor_ = 0xDDDDDD, backColor_ = 0xDDDDDD, foreColor_ = 0x363636,
           hoverColor_ = 0x0000FF, unlitColor_ = 0xD3D3D3;
    TZvIndicatorStyle style_ = isNormal;
    TZvMouseAction mouseAction_ = maNone;
    TZvTransparentMode transparent_ = tmNone;
    QImage backMaterial_, foreMaterial_, darkMaterial_, lightMaterial_, shadowMaterial_;
    TZvMaterialShadowMode shadowMode_ = msmDark;
    TZvMaterialMode materialMode_ = mmStretch, foreMaterialMode_ = mmStretch;
    QImage image_;
    std::optional<QRegion> paintRegion_;
    PolygonSet lit_, unlit_, cellLit_, cellUnlit_;
};

// The five colours a scheme writes: back, bevel, unlit, lit, hovered lit.
struct SchemeColors {
    TColor back, bevel, numberBack, numberFore, numberFore1;
};
SchemeColors ColorsOfScheme(TZvColorScheme scheme);

} // namespace twinsweep
