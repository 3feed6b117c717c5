// The segment indicator as a user sees it: its off-screen picture, pixel by pixel.
#include <QApplication>
#include <QTest>

#include "ZarvoLiquidIndicator.h"

using namespace twinsweep;

namespace {

QRgb At(const TZarvoLiquidIndicator& indicator, int x, int y) {
    return indicator.OffscreenImage().pixel(x, y) & 0xFFFFFF;
}

} // namespace

class ZarvoLiquidIndicatorTest : public QObject {
    Q_OBJECT

private slots:
    void defaultsShowDarkDigitsOnSilver() {
        QWidget parent;
        TZarvoLiquidIndicator indicator("Ld", &parent);
        indicator.Loaded();
        indicator.setIndicatorstring("0");
        QCOMPARE(indicator.size(), QSize(172, 36));
        QCOMPARE(indicator.OffscreenImage().size(), QSize(172, 36));
        QCOMPARE(At(indicator, 86, 18), 0xDDDDDDu);          // background between the cells
        QCOMPARE(At(indicator, 1, 1), 0xFDFDFDu);             // raised outer frame, lit top left
        QCOMPARE(At(indicator, 170, 34), 0xBDBDBDu);          // and dark bottom right
        QCOMPARE(At(indicator, 3, 3), 0xBDBDBDu);             // sunken inner frame
        QImage unlit = indicator.OffscreenImage().copy(6, 6, 16, 24);
        QVERIFY(unlit.allGray());
    }
};

QTEST_MAIN(ZarvoLiquidIndicatorTest)
#include "ZarvoLiquidIndicatorTest.moc"
