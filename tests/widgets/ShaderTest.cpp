// The shaded panel's bands, read back from its pixels.
#include "Shader.h"

#include <QApplication>
#include <QImage>
#include <QTest>

using namespace twinsweep;

namespace {

QImage Paint(TShader& shader, int width, int height) {
    shader.resize(width, height);
    return shader.grab().toImage();
}

int Blue(const QImage& image, int x, int y) { return qBlue(image.pixel(x, y)); }

} // namespace

class ShaderTest : public QObject {
    Q_OBJECT

private slots:
    void defaultBandsRunFromBlueDownInFivePixelRows() {
        TShader shader;
        const QImage image = Paint(shader, 200, 100);
        QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 255));
        QCOMPARE(Blue(image, 199, 4), 255);             // the first band is 5 rows high
        QCOMPARE(Blue(image, 0, 5), 242);               // 255 + Round(-12.75)
        QCOMPARE(Blue(image, 100, 50), 127);            // 255 + Round(-127.5), ties to even
        QCOMPARE(image.pixel(199, 99), qRgb(0, 0, 13)); // one step short of black
        QCOMPARE(Blue(image, 50, 95), 13);
        QCOMPARE(Blue(image, 50, 94), 25); // 255 + Round(-229.5)
    }

    void bandsSideBySideWhenDirectionIsSet() {
        TShader shader;
        shader.SetDirection(true);
        shader.SetFromColor(0x000000);
        shader.SetToColor(0x0000FF); // towards red
        shader.SetSteps(4);
        const QImage image = Paint(shader, 10, 3); // bands at 0, 2 (2.5 to even), 5, 8
        const int expected[10] = {0, 0, 64, 64, 64, 128, 128, 128, 191, 191};
        for (int x = 0; x < 10; ++x)
            QCOMPARE(qRed(image.pixel(x, 2)), expected[x]);
    }

    void oneBandOrNoneFillsThePanelWithFromColor() {
        for (const std::uint16_t steps : {std::uint16_t(1), std::uint16_t(0)}) {
            TShader shader;
            shader.SetFromColor(0x336699);
            shader.SetSteps(steps);
            const QImage image = Paint(shader, 40, 30);
            for (const QPoint p : {QPoint(0, 0), QPoint(39, 29), QPoint(20, 15)})
                QCOMPARE(image.pixel(p), qRgb(0x99, 0x66, 0x33));
            QCOMPARE(shader.Steps(), std::uint16_t(1));
        }
    }

    void systemColourIsStoredAsItsValue() {
        TShader shader;
        shader.SetFromColor(clBtnFace);
        const QColor face = QApplication::palette().color(QPalette::Button);
        QCOMPARE(shader.FromColor(), TColor(face.red() | face.green() << 8 | face.blue() << 16));
    }
};

QTEST_MAIN(ShaderTest)
#include "ShaderTest.moc"
