#include "base/eventwait.h"

#include <QTest>
#include <QTimer>

class TestEventWait : public QObject
{
    Q_OBJECT

private slots:
    void wakeEndsWaitWhenConditionHolds();
    void deadlineEndsWaitOnTheInjectedClock();
    void cancelEndsEveryRunningWait();
    void outerWaitSeesConditionMetDuringInnerWait();
};

void TestEventWait::wakeEndsWaitWhenConditionHolds()
{
    TEventWait wait(SystemClock());
    bool arrived = false;
    QTimer::singleShot(5, [&] {
        arrived = true;
        wait.Wake();
    });
    QVERIFY(wait.WaitUntil([&] { return arrived; }, std::nullopt));
}

void TestEventWait::deadlineEndsWaitOnTheInjectedClock()
{
    TFastClock clock(1000); // 3000 ms pass in 3 real ms
    TEventWait wait(clock);
    const quint32 deadline = clock.Now() + 3000;
    QVERIFY(!wait.WaitUntil([] { return false; }, deadline));
    QVERIFY(TickReached(clock.Now(), deadline));
}

void TestEventWait::cancelEndsEveryRunningWait()
{
    TEventWait wait(SystemClock());
    QTimer::singleShot(5, &wait, &TEventWait::Cancel);
    QVERIFY(!wait.WaitUntil([] { return false; }, std::nullopt));
    // A cancelled wait does not poison the next one.
    bool later = false;
    QTimer::singleShot(5, [&] {
        later = true;
        wait.Wake();
    });
    QVERIFY(wait.WaitUntil([&] { return later; }, std::nullopt));
}

void TestEventWait::outerWaitSeesConditionMetDuringInnerWait()
{
    TEventWait wait(SystemClock());
    bool outerDone = false, innerDone = false;
    QTimer::singleShot(5, [&] {
        // An event handler that waits itself, as the reading loop does during a send.
        QTimer::singleShot(5, [&] {
            outerDone = true;
            innerDone = true;
            wait.Wake();
        });
        QVERIFY(wait.WaitUntil([&] { return innerDone; }, std::nullopt));
    });
    QVERIFY(wait.WaitFor([&] { return outerDone; }, 10000));
}

QTEST_GUILESS_MAIN(TestEventWait)
#include "tst_eventwait.moc"
