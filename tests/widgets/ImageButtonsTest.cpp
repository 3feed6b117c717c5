// Pixel and mouse tests of the bitmap button and the media button.
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "TBitmapButton.h"
#include "TMediaButton.h"

using namespace twinsweep;

namespace {

const QRgb White = 0xFFFFFFFF, Red = 0xFFFF0000, Blue = 0xFF0000FF, Green = 0xFF00FF00;

// A strip of cells of size x size on white; cell i holds a square of colours[i] covering
// its top-left `filled` pixels.
QImage Strip(const std::vector<QRgb>& colours, int size, int filled) {
    QImage strip(size * int(colours.size()), size, QImage::Format_RGB32);
    strip.fill(White);
    QPainter painter(&strip);
    for (size_t i = 0; i < colours.size(); ++i)
        painter.fillRect(int(i) * size, 0, filled, filled, QColor::fromRgb(colours[i]));
    return strip;
}

QRgb PixelAt(QWidget& widget, int x, int y) { return widget.grab().toImage().pixel(x, y); }

void Move(QWidget& widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

} // namespace

class ImageButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void twoImagesServeUpHoverDownAndDisabled();
    void transparentColourShowsColourOrParent();
    void pressCountsOnlyOnGlyphPixelsAndFromDown();
    void autoSizeFitsOneImageAndTheIndents();
    void emptyControlsPaintNothing();
    void mediaButtonBevelAndKeyboard();
};

void ImageButtonsTest::twoImagesServeUpHoverDownAndDisabled() {
    QWidget parent;
    TBitmapButton button(&parent);
    button.SetColor(0xFFFFFF);
    button.SetNumGlyphs(2);
    button.SetGlyph(Strip({Red, Blue}, 10, 10));
    button.resize(10, 10);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    QEvent leave(QEvent::Leave); // the offscreen cursor may start over the button
    QApplication::sendEvent(&button, &leave);
    QCOMPARE(button.ImageIndex(), 0);
    QCOMPARE(PixelAt(button, 0, 0), Red);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&button, &enter);
    QCOMPARE(PixelAt(button, 0, 0), Blue);
    // Down has no image of its own: the first, moved by the indents.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(button.ImageIndex(), 0);
    QCOMPARE(PixelAt(button, 1, 1), White);
    QCOMPARE(PixelAt(button, 2, 2), Red);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(PixelAt(button, 0, 0), Blue);
    button.setEnabled(false);
    QCOMPARE(PixelAt(button, 0, 0), Red);
}

void ImageButtonsTest::transparentColourShowsColourOrParent() {
    QWidget parent;
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(Green));
    parent.setPalette(palette);
    TBitmapButton button(&parent);
    button.SetColor(0x0000FF); // red, the colour masked out in tmColor
    button.SetGlyph(Strip({Blue}, 10, 4));
    button.move(3, 3);
    button.resize(10, 10);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    // tmColor: white is not the button's colour, so the whole cell shows.
    QCOMPARE(PixelAt(button, 9, 9), White);
    button.SetTransparentMode(TButtonTransparentMode::tmPixel); // top-left: blue is see-through
    QCOMPARE(PixelAt(button, 0, 0), Red);
    QCOMPARE(PixelAt(button, 9, 9), White);
    button.SetTransparent(true);
    QCOMPARE(PixelAt(button, 0, 0), Green);
    QCOMPARE(parent.grab().toImage().pixel(3, 3), Green);
}

void ImageButtonsTest::pressCountsOnlyOnGlyphPixelsAndFromDown() {
    QWidget parent;
    TBitmapButton button(&parent);
    button.SetColor(0xFFFFFF);
    button.SetGlyph(Strip({Red}, 20, 10)); // glyph pixels: the top-left 10 x 10
    button.resize(20, 20);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    const QPoint on(5, 5), off(15, 15);

    QTest::mousePress(&button, Qt::LeftButton, {}, off);
    QVERIFY(!button.isDown());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, on);
    QCOMPARE(clicks.count(), 0);

    QTest::mousePress(&button, Qt::LeftButton, {}, on);
    QVERIFY(button.isDown());
    Move(button, off);
    QVERIFY(!button.isDown());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, off);
    QCOMPARE(clicks.count(), 0);

    QTest::mousePress(&button, Qt::LeftButton, {}, on);
    Move(button, off);
    Move(button, on);
    QVERIFY(button.isDown());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, on);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(!button.isDown());
}

void ImageButtonsTest::autoSizeFitsOneImageAndTheIndents() {
    TBitmapButton button;
    QCOMPARE(button.size(), QSize(50, 50));
    button.SetNumGlyphs(4);
    button.SetGlyph(Strip({Red, Red, Red, Red}, 20, 20));
    button.SetVIndent(-1); // ignored
    button.SetAutoSize(true);
    QCOMPARE(button.size(), QSize(23, 23));
    button.SetHIndent(5);
    QCOMPARE(button.size(), QSize(26, 23));
}

void ImageButtonsTest::emptyControlsPaintNothing() {
    QWidget parent;
    TBitmapButton noGlyph(&parent);
    TBitmapButton flat(&parent);
    flat.SetGlyph(Strip({Red}, 10, 10));
    flat.SetTransparent(true);
    flat.resize(0, 10);
    TMediaButton media(&parent);
    media.resize(10, 0);
    TMediaButton tiny(&parent);
    tiny.move(0, 20);
    tiny.resize(4, 4); // no room for a face
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QSignalSpy clicks(&noGlyph, &QAbstractButton::clicked);
    QTest::mouseClick(&noGlyph, Qt::LeftButton);
    QCOMPARE(clicks.count(), 0);
    QVERIFY(flat.grab().isNull());
    QVERIFY(media.grab().isNull());
    QVERIFY(!tiny.grab().isNull());
}

void ImageButtonsTest::mediaButtonBevelAndKeyboard() {
    QWidget parent;
    TMediaButton button(&parent);
    QImage icons(110, 9, QImage::Format_RGB32);
    icons.fill(QColor(0x80, 0x80, 0x00));
    button.SetIconStrips(icons, icons);
    button.resize(40, 15);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    const QPalette& colours = button.palette();
    const QRgb face = colours.color(QPalette::Button).rgb();
    const QRgb light = colours.color(QPalette::Light).rgb();
    const QRgb shadow = colours.color(QPalette::Dark).rgb();
    QSignalSpy clicks(&button, &QAbstractButton::clicked);

    QCOMPARE(PixelAt(button, 0, 0), 0xFF000000u); // BorderColor
    QCOMPARE(PixelAt(button, 1, 1), light);       // raised
    QCOMPARE(PixelAt(button, 38, 13), shadow);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 7));
    QCOMPARE(PixelAt(button, 1, 1), shadow); // sunken
    QCOMPARE(PixelAt(button, 38, 13), face);
    QCOMPARE(PixelAt(button, 2, 2), face); // the face starts from the button face
    Move(button, QPoint(60, 7));
    QVERIFY(!button.isDown());
    QCOMPARE(PixelAt(button, 1, 1), light);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(60, 7));
    QCOMPARE(clicks.count(), 0);

    button.SetTabStop(true);
    QTest::keyPress(&button, Qt::Key_Space);
    QVERIFY(button.isDown());
    QTest::keyRelease(&button, Qt::Key_Space);
    QCOMPARE(clicks.count(), 1);
}

QTEST_MAIN(ImageButtonsTest)
#include "ImageButtonsTest.moc"
