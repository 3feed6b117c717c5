// The timer under a real Qt event loop: the system timer, and hand-overs as the program
// makes them.
#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <thread>

#include "EventLoopHost.h"
#include "ThreadTimer.h"

using namespace twinsweep;

class ThreadTimerQtTest : public QObject {
    Q_OBJECT

private slots:
    // Each switch runs StopTimer from inside the tick of the source it destroys.
    void handlerSwitchesTheTickSourceBothWays() {
        EventLoopHost host;
        int threadTicks = 0, systemTicks = 0;
        bool allOnUiThread = true;
        TThreadTimer timer(host);
        timer.SetInterval(5);
        timer.SetOnTimer([&](TThreadTimer* sender) {
            allOnUiThread =
                allOnUiThread && QThread::currentThread() == QCoreApplication::instance()->thread();
            if (sender->TimerType() == ttThread) {
                if (++threadTicks == 1)
                    sender->SetTimerType(ttSystem);
            } else {
                allOnUiThread = allOnUiThread && sender->ThreadId() == std::thread::id();
                if (++systemTicks == 3)
                    sender->SetTimerType(ttThread);
            }
        });
        timer.Loaded();
        QTRY_VERIFY_WITH_TIMEOUT(threadTicks >= 3, 5000);
        QCOMPARE(systemTicks, 3);
        QVERIFY(allOnUiThread);
    }
};

QTEST_GUILESS_MAIN(ThreadTimerQtTest)
#include "ThreadTimerQtTest.moc"
