#pragma once
// A small push button with a media-player icon on a shaded face. The icons come from two
// strips of ten 11 x 9 icons, enabled and disabled, with olive as the transparent colour;
// by default the program's "buttons/EN_IMAGES.png" and "buttons/DI_IMAGES.png".
#include <QImage>

#include "SystemColors.h"
#include "TCustomImageControl.h"

namespace twinsweep {

enum class TMediaButtonType {
    btPower,
    btPlay,
    btPause,
    btStop,
    btPrev,
    btBack,
    btStep,
    btNext,
    btRecord,
    btEject
};

class TMediaButton : public TCustomImageControl {
    Q_OBJECT
public:
    explicit TMediaButton(QWidget* parent = nullptr);

    TMediaButtonType ButtonType() const { return buttonType_; }
    void SetButtonType(TMediaButtonType value);
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    // Whether the button takes the focus from Tab and from a click.
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool value);
    // Replaces the program's icon strips.
    void SetIconStrips(const QImage& enabled, const QImage& disabled);

    QSize sizeHint() const override { return QSize(40, 15); }

protected:
    void DrawControl(QPainter& painter) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void DrawFace(QPainter& painter, const QColor& top, const QColor& bottom);

    TMediaButtonType buttonType_ = TMediaButtonType::btPause;
    TColor focusColor_ = 0xFF0000;
    TColor borderColor_ = 0x000000;
    QImage enabledIcons_, disabledIcons_; // olive already cleared
};

} // namespace twinsweep
