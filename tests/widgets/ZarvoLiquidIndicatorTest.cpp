// The segment indicator as a user sees it: its off-screen picture, pixel by pixel.
#include "ZarvoLiquidIndicator.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTest>

using namespace twinsweep;

namespace {

constexpr QRgb Lit = 0x363636, Unlit = 0xD3D3D3, Back = 0xDDDDDD, Light = 0xFDFDFD, Dark = 0xBDBDBD;

QRgb At(const TZarvoLiquidIndicator& indicator, int x, int y) {
    return indicator.OffscreenImage().pixel(x, y) & 0xFFFFFF;
}

// How many pixels of a colour a rectangle of the picture holds.
int Count(const TZarvoLiquidIndicator& indicator, QRgb color, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += At(indicator, x, y) == color;
    return count;
}

// Default cell i (from 1): 16 × 24 pixels, 6 from the left and the top.
QRect Cell(int i) { return QRect(6 + (i - 1) * 16, 6, 16, 24); }

// The lit cells of a row of cells, as a text of '1' and '0'.
QString LitCells(const TZarvoLiquidIndicator& indicator, QRgb lit = Lit) {
    QString cells;
    for (int i = 1; i <= indicator.SignNumber(); ++i)
        cells += Count(indicator, lit, Cell(i)) > 0 ? '1' : '0';
    return cells;
}

struct Loaded {
    QWidget parent;
    TZarvoLiquidIndicator indicator{"Ld", &parent};
    explicit Loaded(const QString& text = "") {
        indicator.Loaded();
        indicator.setIndicatorstring(text);
    }
};

} // namespace

class ZarvoLiquidIndicatorTest : public QObject {
    Q_OBJECT

private slots:
    void defaultsShowDarkDigitsOnSilverInBevelledFrames() {
        Loaded zero("0");
        const TZarvoLiquidIndicator& indicator = zero.indicator;
        QCOMPARE(indicator.size(), QSize(172, 36));
        QCOMPARE(At(indicator, 86, 5), Back); // gap between the inner frame and the cells
        QCOMPARE(At(indicator, 1, 1), Light); // raised outer frame, lit from the top left
        QCOMPARE(At(indicator, 170, 34), Dark);
        QCOMPARE(At(indicator, 3, 3), Dark); // sunken inner frame
        QCOMPARE(At(indicator, 168, 32), Light);
        QCOMPARE(LitCells(indicator), QString("0000000001"));
        QVERIFY(Count(indicator, Unlit, Cell(1)) > 40);

        zero.indicator.setIndicatorstring("1234567890123");
        QCOMPARE(LitCells(indicator), QString("1111111111"));
    }

    void pointsShareTheirCellExceptInTheMatrix() {
        Loaded pi("3.14");
        QCOMPARE(LitCells(pi.indicator), QString("0000000111"));
        pi.indicator.SetIndicatorKind(ik5x7matrix);
        QCOMPARE(LitCells(pi.indicator), QString("0000001111"));
        pi.indicator.setIndicatorstring("\xff`");
        QCOMPARE(LitCells(pi.indicator), QString("0000000000"));
    }

    void turningSizesTheControlAndKeepsTheLightTopLeft() {
        Loaded quarter("8");
        quarter.parent.show();
        TZarvoLiquidIndicator& indicator = quarter.indicator;
        indicator.SetIndicatorAngle(900);
        QCOMPARE(indicator.size(), QSize(36, 172));
        QCOMPARE(At(indicator, 1, 86), Light); // the indicator's top, now the screen's left
        QCOMPARE(At(indicator, 18, 1), Light); // its right, now the top
        QCOMPARE(At(indicator, 34, 86), Dark);
        indicator.resize(40, 100); // a quarter turn takes the new size over, turned
        QCOMPARE(indicator.IndicatorWidth(), 100);
        QCOMPARE(indicator.IndicatorHeight(), 40);

        Loaded slanted;
        slanted.parent.show();
        slanted.indicator.SetIndicatorAngle(300);
        QCOMPARE(slanted.indicator.size(), QSize(167, 117));
        slanted.indicator.resize(200, 50);
        QCOMPARE(slanted.indicator.size(), QSize(167, 117));
        QVERIFY(!slanted.indicator.mask().contains(QPoint(1, 1))); // the corners are cut away
    }

    void schemesHoverAndTransparency() {
        Loaded black("8");
        TZarvoLiquidIndicator& indicator = black.indicator;
        indicator.SetColorScheme(csBlack);
        QCOMPARE(indicator.BackColor(), TColor(0x000000));
        QCOMPARE(indicator.BevelColor(), TColor(0x808080));
        QCOMPARE(indicator.NumberForeColor1(), TColor(0x0080FF));
        QCoreApplication::processEvents(); // the scheme's rebuild is queued
        QCOMPARE(At(indicator, 86, 5), QRgb(0x000000));
        QCOMPARE(LitCells(indicator, 0xFFFFFF), QString("0000000001"));

        // Stored colours survive a scheme applied before loading.
        QWidget parent;
        TZarvoLiquidIndicator loading("L", &parent);
        loading.SetNumberForeColor(0x123456);
        loading.SetColorScheme(csPlasma);
        loading.Loaded();
        QCOMPARE(loading.NumberForeColor(), TColor(0x123456));

        Loaded hovered("8");
        TZarvoLiquidIndicator& hover = hovered.indicator;
        hover.SetIndicatorWidth(344); // cells big enough to show the thicker bars
        hover.SetIndicatorHeight(72);
        const QRect whole(0, 0, 344, 72);
        const int plain = Count(hover, Lit, whole);
        hover.SetMouseAction(maBoth);
        hover.SetForeMaterial(QImage(4, 4, QImage::Format_RGB32));
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&hover, &enter);
        QCoreApplication::processEvents();
        QVERIFY(hover.MouseInside());
        QVERIFY(Count(hover, 0xFF0000, whole) > plain); // red ($0000FF), bars thicker

        Loaded clear;
        clear.indicator.SetTransparentMode(tmAll);
        const QRegion painted = *clear.indicator.PaintRegion();
        QVERIFY(painted.contains(QPoint(1, 1)) && painted.contains(QPoint(3, 3)));
        QVERIFY(!painted.contains(QPoint(86, 18)) && !painted.contains(Cell(10).center()));
    }

    void materialsTextureTheBackgroundFramesAndElements() {
        Loaded textured("8");
        TZarvoLiquidIndicator& indicator = textured.indicator;
        QImage grey(3, 2, QImage::Format_RGB32);
        grey.fill(QColor(0x80, 0x80, 0x80));
        indicator.SetMaterialMode(mmTile);
        indicator.SetBackMaterial(grey);
        QCOMPARE(At(indicator, 86, 5), QRgb(0x808080));    // background
        QCOMPARE(At(indicator, 1, 1), QRgb(0xC0C0C0));     // light side: 64 lighter
        QCOMPARE(At(indicator, 170, 34), QRgb(0x404040));  // dark side: 64 darker
        QVERIFY(Count(indicator, 0x606060, Cell(1)) > 40); // unlit elements: 32 darker
        indicator.SetMaterialShadowMode(msmLight);
        QVERIFY(Count(indicator, 0xA0A0A0, Cell(1)) > 40);
        QImage white(2, 2, QImage::Format_RGB32);
        white.fill(Qt::white);
        indicator.SetForeMaterial(white);
        QCOMPARE(LitCells(indicator, 0xFFFFFF), QString("0000000001"));
    }

    void oddSizesNeverBreakThePicture() {
        Loaded gap("0");
        gap.indicator.SetIndicatorGap(20); // m = 24: the cells start low and run past the frame
        QCOMPARE(Count(gap.indicator, Unlit, QRect(6, 6, 160, 17)), 0);
        QVERIFY(Count(gap.indicator, Unlit, QRect(24, 24, 140, 8)) > 0);

        Loaded odd("8.8");
        TZarvoLiquidIndicator& indicator = odd.indicator;
        indicator.SetSignNumber(0);
        indicator.SetInnerBevelWidth(-3);
        QCOMPARE(indicator.SignNumber(), 10);
        QCOMPARE(indicator.InnerBevelWidth(), 2);
        for (int angle : {12345, -7, 3600})
            indicator.SetIndicatorAngle(angle);
        indicator.SetSignNumber(1000000);
        indicator.SetIndicatorWidth(100000);
        indicator.SetIndicatorHeight(1);
        indicator.SetIndicatorAngle(0);
        indicator.SetIndicatorWidth(1);
        QCOMPARE(indicator.OffscreenImage().size(), QSize(1, 1));
        for (TZvIndicatorKind kind : {ik5x7matrix, ik9segment})
            indicator.SetIndicatorKind(kind);
    }
};

QTEST_MAIN(ZarvoLiquidIndicatorTest)
#include "ZarvoLiquidIndicatorTest.moc"
