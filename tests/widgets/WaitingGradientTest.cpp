// The waiting gradient: the band's path and turns read from its pixels, and its thread
// under a real event loop.
#include "WaitingGradient.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <chrono>
#include <thread>

#include "EventLoopHost.h"

using namespace twinsweep;

namespace {

const QRgb green = qRgb(0, 255, 0);

// Background green, trailing edge red, leading edge blue; ticks driven by the test.
void Prepare(TWaitingGradient& band, int width = 100) {
    band.SetEnabled(false);
    band.SetColor(0x00FF00);
    band.SetStarTColor(0x0000FF);
    band.SetEndColor(0xFF0000);
    band.setAttribute(Qt::WA_DontShowOnScreen);
    band.show();
    band.resize(width, 10);
}

void Ticks(TWaitingGradient& band, int count) {
    for (int i = 0; i < count; ++i)
        band.Tick();
}

QRgb Pixel(TWaitingGradient& band, int x) { return band.grab().toImage().pixel(x, 5); }

} // namespace

class WaitingGradientTest : public QObject {
    Q_OBJECT

private slots:
    void bandSweepsAndTurnsAtTheDefaultSize() {
        EventLoopHost host;
        TWaitingGradient band(host);
        Prepare(band);
        QCOMPARE(band.BandPosition(), -50);
        QCOMPARE(Pixel(band, 99), green);

        Ticks(band, 50);
        QCOMPARE(band.BandPosition(), 50); // right edge at the control's end
        QCOMPARE(Pixel(band, 49), green);
        QCOMPARE(Pixel(band, 50), qRgb(255, 0, 0));
        QCOMPARE(Pixel(band, 99), qRgb(5, 0, 250)); // 49 of 50 steps towards blue

        band.Tick(); // turns, just outside the right edge
        QCOMPARE(band.BandPosition(), 100);
        QVERIFY(band.MovingLeft());
        QCOMPARE(Pixel(band, 99), green);

        band.Tick(); // re-enters mirrored: the leading edge is blue
        QCOMPARE(band.BandPosition(), 98);
        QCOMPARE(Pixel(band, 97), green);
        QCOMPARE(Pixel(band, 98), qRgb(0, 0, 255));
        QCOMPARE(Pixel(band, 99), qRgb(5, 0, 250));

        Ticks(band, 49);
        QCOMPARE(band.BandPosition(), 0);
        band.Tick();
        QCOMPARE(band.BandPosition(), -50);
        QVERIFY(!band.MovingLeft());
        band.Tick();
        QCOMPARE(Pixel(band, 0), qRgb(10, 0, 245)); // strip column 48
        QCOMPARE(Pixel(band, 2), green);
    }

    void narrowControlHasOneStepPerPixelAndTurnsEarly() {
        EventLoopHost host;
        TWaitingGradient band(host);
        Prepare(band, 30);
        Ticks(band, 15);
        QCOMPARE(band.BandPosition(), -20);
        QVERIFY(!band.MovingLeft());
        // 30 steps in stripes of 5/3 pixels; strip columns 20 and 49 show.
        QCOMPARE(Pixel(band, 0), qRgb(153, 0, 102));
        QCOMPARE(Pixel(band, 29), qRgb(8, 0, 246)); // 255 - 246.5 and 246.5, to even
        band.Tick();
        QCOMPARE(band.BandPosition(), 30);
        QVERIFY(band.MovingLeft());
    }

    void emptyControlTicksAndPaintsWithoutFailing() {
        EventLoopHost host;
        TWaitingGradient band(host);
        Prepare(band, 0);
        Ticks(band, 5); // turns at both ends, each rebuilding a strip of no steps
        band.resize(100, 0);
        Ticks(band, 5);
        QVERIFY(band.grab().isNull());
        band.resize(100, 10);
        QCOMPARE(Pixel(band, 99), green);
    }

    void gradientWidthRefusesNonPositiveAndRestartsTheBand() {
        EventLoopHost host;
        TWaitingGradient band(host);
        Prepare(band);
        Ticks(band, 52);
        QVERIFY(band.MovingLeft());
        band.SetGradientWidth(0);
        band.SetGradientWidth(-5);
        QCOMPARE(band.GradientWidth(), 50);
        QCOMPARE(band.BandPosition(), 98);
        band.SetGradientWidth(20);
        QCOMPARE(band.BandPosition(), -20);
        QVERIFY(band.MovingLeft()); // the direction is kept
    }

    void threadTicksUntilDisabledAndAgainWhenEnabled() {
        EventLoopHost host;
        TWaitingGradient band(host);
        band.SetInterval(1);
        const int start = band.BandPosition();
        QTRY_VERIFY_WITH_TIMEOUT(band.BandPosition() != start, 5000);

        band.setEnabled(false); // the toolkit's switch pauses it too
        QVERIFY(!band.Enabled());
        QTest::qWait(30); // a tick handed over before the pause may still run
        const int paused = band.BandPosition();
        QTest::qWait(100);
        QCOMPARE(band.BandPosition(), paused);

        band.SetEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(band.BandPosition() != paused, 5000);
    }

    // The window around the band is half destroyed then: its pending events must not run.
    void destructionWithItsWindowWhileATickIsQueued() {
        EventLoopHost host;
        for (int i = 0; i < 20; ++i) {
            auto* window = new QWidget;
            auto* band = new TWaitingGradient(host, window);
            band->SetInterval(0);
            QCoreApplication::postEvent(window, new QEvent(QEvent::PolishRequest));
            // Without event processing the thread blocks in its hand-over.
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            delete window;
            QCoreApplication::processEvents(); // nothing queued may reach the freed band
        }
    }
};

QTEST_MAIN(WaitingGradientTest)
#include "WaitingGradientTest.moc"
