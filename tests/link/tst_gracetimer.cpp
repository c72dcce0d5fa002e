// The grace timer's rules on a device in memory: when a tick waits for the
// module's first byte and when it does not.
#include "FakeDevice.h"
#include "GraceTimer.h"

#include <QTest>
#include <QTimer>

namespace {
constexpr int Forever = 600000; // far longer than any test waits
}

class TestGraceTimer : public QObject
{
    Q_OBJECT

private slots:
    void tick_data();
    void tick();
};

void TestGraceTimer::tick_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<QByteArray>("waiting"); // before the interval is over
    QTest::addColumn<int>("intervalMs");
    QTest::addColumn<int>("graceMs");
    QTest::addColumn<bool>("disarm");      // before a byte arrives in the grace
    QTest::addColumn<int>("ticksAtByte");   // -1: the tick comes without one

    QTest::newRow("closed device: no grace") << false << QByteArray() << 1 << Forever << false << -1;
    QTest::newRow("byte waiting: no grace") << true << QByteArray("x") << 1 << Forever << false << -1;
    QTest::newRow("no grace asked") << true << QByteArray() << 1 << 0 << false << -1;
    QTest::newRow("a byte in the grace ticks at once") << true << QByteArray() << 1 << Forever << false << 1;
    QTest::newRow("disarmed in the grace") << true << QByteArray() << 1 << Forever << true << 0;
    QTest::newRow("a byte before the interval is over") << true << QByteArray() << Forever << Forever << false
                                                        << 0;
}

void TestGraceTimer::tick()
{
    QFETCH(bool, open);
    QFETCH(QByteArray, waiting);
    QFETCH(int, intervalMs);
    QFETCH(int, graceMs);
    QFETCH(bool, disarm);
    QFETCH(int, ticksAtByte);

    FakeDevice device;
    if (open)
        QVERIFY(device.open(QIODevice::ReadWrite));
    device.arrive(waiting);
    QTimer timer;
    GraceTimer grace(timer, device);
    int ticks = 0;
    connect(&grace, &GraceTimer::ticked, this, [&ticks] { ++ticks; });
    grace.arm(intervalMs, graceMs);

    if (ticksAtByte < 0) {
        QTRY_COMPARE_WITH_TIMEOUT(ticks, 1, 30000);
        QVERIFY(!grace.isArmed());
        return;
    }
    QTest::qWait(30); // the interval of 1 ms is over: the grace runs
    QCOMPARE(ticks, 0);
    QVERIFY(grace.isArmed());
    if (disarm)
        grace.disarm();
    device.arrive("\x06");
    QCOMPARE(ticks, ticksAtByte);
    QCOMPARE(grace.isArmed(), ticksAtByte == 0 && !disarm);
}

QTEST_GUILESS_MAIN(TestGraceTimer)
#include "tst_gracetimer.moc"
