// SPDX-License-Identifier: MIT
// The grace timer's rules on a device in memory: when a tick waits for the
// module's first byte and when it does not.
#include "FakeDevice.h"
#include "GraceTimer.h"

#include <QTest>
#include <QTimer>

namespace {
constexpr int Forever = 600000; // far longer than any test waits
constexpr auto AnyByte = LinkTimer::Awaiting::AnyByte;
constexpr auto Ack = LinkTimer::Awaiting::Acknowledgement;
} // namespace

Q_DECLARE_METATYPE(LinkTimer::Awaiting)

class TestGraceTimer : public QObject
{
    Q_OBJECT

private slots:
    void tick_data();
    void tick();
    void resolutionRaisedOnlyWhileArmed();
};

void TestGraceTimer::tick_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<QByteArray>("waiting"); // before the interval is over
    QTest::addColumn<int>("intervalMs");
    QTest::addColumn<int>("graceMs");
    QTest::addColumn<LinkTimer::Awaiting>("awaiting");
    QTest::addColumn<bool>("disarm");         // before bytes arrive in the grace
    QTest::addColumn<QByteArray>("arriving"); // in the grace
    QTest::addColumn<int>("ticksAtByte");     // -1: the tick comes without waiting

    const QByteArray none;
    const QByteArray ack("\x06");
    const QByteArray noise("\x00\xF0", 2);
    QTest::newRow("closed device: no grace") << false << none << 1 << Forever << AnyByte << false << none << -1;
    QTest::newRow("byte waiting: no grace") << true << QByteArray("x") << 1 << Forever << AnyByte << false << none
                                            << -1;
    QTest::newRow("no grace asked") << true << none << 1 << 0 << AnyByte << false << none << -1;
    QTest::newRow("a byte in the grace ticks at once") << true << none << 1 << Forever << AnyByte << false << ack
                                                       << 1;
    QTest::newRow("disarmed in the grace") << true << none << 1 << Forever << AnyByte << true << ack << 0;
    QTest::newRow("a byte before the interval is over") << true << none << Forever << Forever << AnyByte << false
                                                        << ack << 0;
    QTest::newRow("set-up: 6 waiting: no grace") << true << noise + ack << 1 << Forever << Ack << false << none
                                                 << -1;
    QTest::newRow("set-up: noise waiting: grace") << true << noise << 1 << Forever << Ack << false << ack << 1;
    QTest::newRow("set-up: noise in the grace") << true << none << 1 << Forever << Ack << false << noise << 0;
    QTest::newRow("set-up: 6 amid noise in the grace") << true << none << 1 << Forever << Ack << false
                                                       << noise + ack << 1;
}

void TestGraceTimer::tick()
{
    QFETCH(bool, open);
    QFETCH(QByteArray, waiting);
    QFETCH(int, intervalMs);
    QFETCH(int, graceMs);
    QFETCH(LinkTimer::Awaiting, awaiting);
    QFETCH(bool, disarm);
    QFETCH(QByteArray, arriving);
    QFETCH(int, ticksAtByte);

    FakeDevice device;
    if (open)
        QVERIFY(device.open(QIODevice::ReadWrite));
    device.arrive(waiting);
    QTimer timer;
    GraceTimer grace(timer, device);
    int ticks = 0;
    connect(&grace, &GraceTimer::ticked, this, [&ticks] { ++ticks; });
    grace.arm(intervalMs, graceMs, awaiting);

    if (ticksAtByte < 0) {
        QTRY_COMPARE_WITH_TIMEOUT(ticks, 1, 30000);
        QVERIFY(!grace.isArmed());
        return;
    }
    QTest::qWait(30); // an interval of 1 ms is over: the grace runs
    QCOMPARE(ticks, 0);
    QVERIFY(grace.isArmed());
    if (disarm)
        grace.disarm();
    device.arrive(arriving);
    QCOMPARE(ticks, ticksAtByte);
    QCOMPARE(grace.isArmed(), ticksAtByte == 0 && !disarm);
}

// Windows' system timer runs at 1 ms from an operation's first step to its
// end, through the disarm and arm of every tick, and not longer; other
// systems need nothing.
void TestGraceTimer::resolutionRaisedOnlyWhileArmed()
{
#ifdef Q_OS_WIN
    const bool whileArmed = true;
#else
    const bool whileArmed = false;
#endif
    FakeDevice device;
    QTimer timer;
    GraceTimer grace(timer, device);
    QVERIFY(!grace.resolution().isRaised());
    grace.arm(Forever, 0, AnyByte);
    grace.disarm(); // a tick: not given back between two steps
    QCOMPARE(grace.resolution().isRaised(), whileArmed);
    grace.arm(Forever, 0, AnyByte);
    QCoreApplication::processEvents();
    QCOMPARE(grace.resolution().isRaised(), whileArmed);
    grace.disarm(); // the end
    QTRY_VERIFY(!grace.resolution().isRaised());
}

QTEST_GUILESS_MAIN(TestGraceTimer)
#include "tst_gracetimer.moc"
