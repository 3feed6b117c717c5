// The segment indicator's properties: what each setter stores and what it rebuilds.
#include "ZarvoLiquidIndicator.h"

namespace twinsweep {

SchemeColors ColorsOfScheme(TZvColorScheme scheme) {
    static const SchemeColors schemes[] = {{0xDDDDDD, 0xDDDDDD, 0xD3D3D3, 0x363636, 0x0000FF},
                                           {0x000000, 0xDDDDDD, 0x363636, 0xDDDDDD, 0x0000FF},
                                           {0xFFFFFF, 0xDDDDDD, 0xFFFFFF, 0x000000, 0x0000FF},
                                           {0x000000, 0x808080, 0x000000, 0xFFFFFF, 0x0080FF},
                                           {0x000080, 0x000080, 0x400080, 0x48BFFF, 0x80FFFF},
                                           {0x48BFFF, 0x48BFFF, 0x57A3F7, 0x000080, 0x2747FC},
                                           {0xA00000, 0xA00000, 0x804000, 0xDAF376, 0x00FFFF}};
    return schemes[scheme];
}

template <typename T> void TZarvoLiquidIndicator::Set(T& member, T value) {
    if (member == value)
        return;
    member = value;
    RebuildImage();
    update();
}

void TZarvoLiquidIndicator::SetColorScheme(TZvColorScheme scheme) {
    scheme_ = scheme;
    if (!isLoaded_)
        return; // stored colours survive whatever order they are loaded in
    const SchemeColors colors = ColorsOfScheme(scheme);
    backColor_ = colors.back;
    bevelColor_ = colors.bevel;
    unlitColor_ = colors.numberBack;
    foreColor_ = colors.numberFore;
    hoverColor_ = colors.numberFore1;
    PostRebuildRequest();
}

void TZarvoLiquidIndicator::SetSignNumber(int value) {
    if (value <= 0 || value == signNumber_)
        return;
    signNumber_ = value;
    if (!isLoaded_)
        return;
    UpdateWindowRegion();
    RebuildImage();
    update();
}

void TZarvoLiquidIndicator::SetIndicatorWidth(int value) {
    if (value <= 0 || value == width_)
        return;
    width_ = value;
    if (isLoaded_)
        ResizeForAngle();
}

void TZarvoLiquidIndicator::SetIndicatorHeight(int value) {
    if (value <= 0 || value == height_)
        return;
    height_ = value;
    if (isLoaded_)
        ResizeForAngle();
}

void TZarvoLiquidIndicator::SetIndicatorAngle(int value) {
    if (value == angle_)
        return;
    angle_ = value;
    if (!isLoaded_)
        return;
    const CellSize box = RotatedSize(width_, height_, angle_);
    resize(box.width, box.height);
    repaint();
    UpdateWindowRegion();
    RebuildImage();
    update();
}

void TZarvoLiquidIndicator::SetInnerBevelWidth(int value) {
    if (value > 0)
        Set(innerWidth_, value);
}

void TZarvoLiquidIndicator::SetOuterBevelWidth(int value) {
    if (value > 0)
        Set(outerWidth_, value);
}

void TZarvoLiquidIndicator::SetIndicatorGap(int value) { Set(gap_, value); }
void TZarvoLiquidIndicator::setIndicatorstring(const QString& text) {
    Set(text_, text.toStdString());
}
void TZarvoLiquidIndicator::SetIndicatorKind(TZvIndicatorKind value) { Set(kind_, value); }
void TZarvoLiquidIndicator::SetInnerBevel(TZvBevelKind value) { Set(innerBevel_, value); }
void TZarvoLiquidIndicator::SetOuterBevel(TZvBevelKind value) { Set(outerBevel_, value); }
void TZarvoLiquidIndicator::SetBevelColor(TColor value) { Set(bevelColor_, value); }
void TZarvoLiquidIndicator::SetBackColor(TColor value) { Set(backColor_, value); }
void TZarvoLiquidIndicator::SetNumberForeColor(TColor value) { Set(foreColor_, value); }
void TZarvoLiquidIndicator::SetNumberForeColor1(TColor value) { Set(hoverColor_, value); }
void TZarvoLiquidIndicator::SetNumberBackColor(TColor value) { Set(unlitColor_, value); }
void TZarvoLiquidIndicator::SetIndicatorStyle(TZvIndicatorStyle value) { Set(style_, value); }
void TZarvoLiquidIndicator::SetMouseAction(TZvMouseAction value) { Set(mouseAction_, value); }
void TZarvoLiquidIndicator::SetMaterialMode(TZvMaterialMode value) { Set(materialMode_, value); }
void TZarvoLiquidIndicator::SetForeMaterialMode(TZvMaterialMode value) {
    Set(foreMaterialMode_, value);
}

void TZarvoLiquidIndicator::SetTransparentMode(TZvTransparentMode value) {
    if (value == transparent_)
        return;
    setAttribute(Qt::WA_OpaquePaintEvent, value == tmNone);
    Set(transparent_, value);
}

void TZarvoLiquidIndicator::SetBackMaterial(const QImage& value) {
    backMaterial_ = value.copy();
    PrepareMaterials();
    RebuildImage();
    update();
}

void TZarvoLiquidIndicator::SetForeMaterial(const QImage& value) {
    foreMaterial_ = value.copy();
    RebuildImage();
    update();
}

void TZarvoLiquidIndicator::SetMaterialShadowMode(TZvMaterialShadowMode value) {
    if (value == shadowMode_)
        return;
    shadowMode_ = value;
    PrepareMaterials();
    RebuildImage();
    update();
}

} // namespace twinsweep
