// SPDX-License-Identifier: MIT
// The link protocol over the real serial port against the module simulator
// on a pseudo-terminal: SerialComm, GraceTimer and LinkProtocol as the main
// window wires them, without the window.
#include "ModuleImage.h"
#include "SerialLink.h"
#include "SimulatorProcess.h"
#include "TestBytes.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString ReadStart = QStringLiteral("Vyčítání START");
const QString WriteStart = QStringLiteral("Zápis START");
const QString TransferOk = QStringLiteral("Prenos OK");
const QString ReadFailure = QStringLiteral("chyba v prenosu!");
const QString WriteFailure = QStringLiteral("chyba komunikace!");
// %1: the device.
const QString LineClosed = QStringLiteral("Port %1 byl zavřen: zařízení bylo odpojeno");
const QString Unplugged = QStringLiteral("Převodník byl odpojen");

} // namespace

class TestLinkOverPty : public QObject
{
    Q_OBJECT

private slots:
    void testOk();
    void testErrorWithSilentModule();
    void readOfDefaultImage();
    void writeOfResetTableAndReadBack();
    void readBehindAdapterLatency();
    void writeSetupBehindAdapterLatency();
    void faultsOnTheLine_data();
    void faultsOnTheLine();
    void hungUpLineClosesPort();

    void tickWaitsForDataWithinGrace();
    void noGraceWithPortClosed();
    void disarmDuringGraceStopsTick();
    void tickNeverEarly();
};

void TestLinkOverPty::testOk()
{
    SimulatorProcess sim;
    QVERIFY(sim.start());
    SerialLink link;
    QVERIFY(link.open(sim.devicePath()));
    link.link.testLink();
    QVERIFY(link.waitForEnd(1));
    QCOMPARE(link.log, QStringList{QStringLiteral("TEST OK")});
    QVERIFY(!link.Timer1.isActive());
}

void TestLinkOverPty::testErrorWithSilentModule()
{
    SimulatorProcess sim;
    QVERIFY(sim.start({QStringLiteral("--silent")}));
    SerialLink link;
    QVERIFY(link.open(sim.devicePath()));
    link.link.testLink();
    QVERIFY(link.waitForEnd(1));
    QCOMPARE(link.log, QStringList{QStringLiteral("TEST ERROR")});
}

void TestLinkOverPty::readOfDefaultImage()
{
    SimulatorProcess sim;
    QVERIFY(sim.start());
    SerialLink link;
    QVERIFY(link.open(sim.devicePath()));
    link.link.readFromModule();
    QVERIFY(link.waitForEnd(1));

    QCOMPARE(link.log, (QStringList{ReadStart, TransferOk}));
    QCOMPARE(link.config.ConfigImage(), ModuleImage::defaultImage());
    QCOMPARE(link.link.position(), 2048.0);
    QCOMPARE(link.config.CommandTable().cell(0, CommandTable::SmsText), QStringLiteral("ZAPNI TOPENÍ"));
    QCOMPARE(link.config.DefaultStateByte1(), quint8(0x35));
    QTRY_VERIFY(sim.events().contains(QStringLiteral("read 2048")));
}

void TestLinkOverPty::writeOfResetTableAndReadBack()
{
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("written.bin"));
    const QString received = dir.filePath(QStringLiteral("received.bin"));
    SimulatorProcess sim;
    QVERIFY(sim.start({QStringLiteral("--save"), saved, QStringLiteral("--log"), received}));
    SerialLink link;
    QVERIFY(link.open(sim.devicePath()));
    link.session.write();
    QVERIFY(link.waitForEnd(1));

    const QByteArray image = link.config.ConfigImage();
    QCOMPARE(image.size(), 2048);
    QCOMPARE(link.log, (QStringList{WriteStart, TransferOk}));
    QCOMPARE(link.link.position(), 2049.0);
    QCOMPARE(fileBytes(saved), image);
    QCOMPARE(fileBytes(received), QByteArray("\x03\x0B\x02") + image);

    link.config.receiveImage({});
    link.link.readFromModule();
    QVERIFY(link.waitForEnd(2));
    QCOMPARE(link.log.mid(2), (QStringList{ReadStart, TransferOk}));
    QCOMPARE(link.config.ConfigImage(), image);
}

void TestLinkOverPty::readBehindAdapterLatency()
{
    SimulatorProcess sim;
    // 715 bytes, the part the decoder reads, keep the test short.
    QVERIFY(sim.start({QStringLiteral("--latency"), QStringLiteral("16"), QStringLiteral("--size"),
                       QStringLiteral("715")}));
    SerialLink link;
    QVERIFY(link.open(sim.devicePath()));
    link.link.readFromModule();
    QVERIFY(link.waitForEnd(1));
    // The slow answers are named once, after the first hundred.
    QVERIFY2(link.log.value(1).startsWith(QStringLiteral("Modul odpovídá pomalu")), qPrintable(link.log.join(u'\n')));
    link.log.removeAt(1);
    QCOMPARE(link.log, (QStringList{ReadStart, TransferOk}));
    QCOMPARE(link.config.ConfigImage(), ModuleImage::defaultImage().left(715));
}

void TestLinkOverPty::writeSetupBehindAdapterLatency()
{
    SimulatorProcess sim;
    // A module that takes 16 bytes ends a write of 16 bytes with 25.
    QVERIFY(sim.start({QStringLiteral("--latency"), QStringLiteral("16"), QStringLiteral("--size"),
                       QStringLiteral("16")}));
    SerialLink link;
    QVERIFY(link.open(sim.devicePath()));
    link.link.writeImage(referenceResetImage().left(16));
    QVERIFY(link.waitForEnd(1));
    QCOMPARE(link.log, (QStringList{WriteStart, TransferOk}));
    QCOMPARE(link.link.position(), 17.0);
}

void TestLinkOverPty::faultsOnTheLine_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("write");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("silent, read") << QStringList{QStringLiteral("--silent")} << false
                                  << QStringList{ReadStart, ReadFailure};
    QTest::newRow("no ACK of the request, write")
        << QStringList{QStringLiteral("--no-ack-at"), QStringLiteral("2")} << true
        << QStringList{WriteStart, WriteFailure};
    QTest::newRow("duplicate byte, read") << QStringList{QStringLiteral("--duplicate-at"), QStringLiteral("10")}
                                          << false << QStringList{ReadStart, ReadFailure};
    QTest::newRow("duplicate answer, write")
        << QStringList{QStringLiteral("--duplicate-at"), QStringLiteral("10")} << true
        << QStringList{WriteStart, QStringLiteral("duplicitni prijem"), WriteFailure};
    QTest::newRow("line closed, read") << QStringList{QStringLiteral("--close-at"), QStringLiteral("10")}
                                       << false << QStringList{ReadStart, Unplugged, LineClosed, ReadFailure};
    QTest::newRow("line closed, write") << QStringList{QStringLiteral("--close-at"), QStringLiteral("10")}
                                        << true << QStringList{WriteStart, Unplugged, LineClosed, WriteFailure};
    QTest::newRow("25 inside the data, read")
        << QStringList{QStringLiteral("--end-at"), QStringLiteral("100")} << false
        << QStringList{ReadStart, TransferOk,
                       QStringLiteral("Data z modulu nejsou konfigurace: přenos proběhl, ale obsah nelze dekódovat."),
                       ReadFailure};
}

void TestLinkOverPty::faultsOnTheLine()
{
    QFETCH(QStringList, options);
    QFETCH(bool, write);
    QFETCH(QStringList, messages);

    SimulatorProcess sim;
    QVERIFY(sim.start(options));
    SerialLink link;
    QVERIFY(link.open(sim.devicePath()));
    const CommandTable tableBefore = link.config.CommandTable();
    if (write)
        link.session.write();
    else
        link.link.readFromModule();
    QVERIFY(link.waitForEnd(1));
    messages.replaceInStrings(QStringLiteral("%1"), sim.devicePath());
    QCOMPARE(link.log, messages);
    QCOMPARE(link.link.LinkState(), 0);
    QVERIFY(!link.Timer1.isActive());
    QCOMPARE(link.config.CommandTable(), tableBefore);
}

void TestLinkOverPty::hungUpLineClosesPort()
{
    SimulatorProcess sim;
    QVERIFY(sim.start({QStringLiteral("--close-at"), QStringLiteral("10")}));
    SerialLink link;
    QVERIFY(link.open(sim.devicePath()));
    link.link.readFromModule();
    QVERIFY(link.waitForEnd(1));
    // One line when it happens, naming the port and the reason.
    const QString closed = LineClosed.arg(sim.devicePath());
    QCOMPARE(link.log, (QStringList{ReadStart, Unplugged, closed, ReadFailure}));
    // Closed at once rather than after 5000 empty steps.
    QVERIFY(!link.comm.PortOpen());
    QCOMPARE(link.link.IdleTicks(), 0);
    QVERIFY(!link.comm.failureReason().isEmpty());
}

void TestLinkOverPty::tickWaitsForDataWithinGrace()
{
    SimulatorProcess sim;
    QVERIFY(sim.start({QStringLiteral("--latency"), QStringLiteral("300")}));
    SerialLink link;
    QVERIFY(link.open(sim.devicePath()));
    bool dataWaiting = false;
    int ticks = 0;
    QObject::connect(&link.timer, &GraceTimer::ticked, [&] {
        ++ticks;
        dataWaiting = link.comm.serialPort().bytesAvailable() > 0;
    });
    QVERIFY(link.comm.Output(QByteArray("\x03")));
    // The grace is far longer than the test may wait: the tick can only come
    // early through the port's readyRead.
    link.timer.arm(1, 600000, LinkTimer::Awaiting::AnyByte);
    QTRY_COMPARE_WITH_TIMEOUT(ticks, 1, 60000);
    QVERIFY(dataWaiting);
    QCOMPARE(link.comm.Input(), std::optional<QByteArray>(QByteArray("\x06")));
    QVERIFY(!link.timer.isArmed());
}

void TestLinkOverPty::noGraceWithPortClosed()
{
    SerialLink link;
    int ticks = 0;
    QObject::connect(&link.timer, &GraceTimer::ticked, [&] { ++ticks; });
    link.timer.arm(1, 600000, LinkTimer::Awaiting::AnyByte);
    QTRY_COMPARE_WITH_TIMEOUT(ticks, 1, 60000);
}

void TestLinkOverPty::disarmDuringGraceStopsTick()
{
    SimulatorProcess sim;
    QVERIFY(sim.start({QStringLiteral("--latency"), QStringLiteral("300")}));
    SerialLink link;
    QVERIFY(link.open(sim.devicePath()));
    int ticks = 0;
    QObject::connect(&link.timer, &GraceTimer::ticked, [&] { ++ticks; });
    QVERIFY(link.comm.Output(QByteArray("\x03")));
    link.timer.arm(1, 600000, LinkTimer::Awaiting::AnyByte);
    QTest::qWait(20);
    QVERIFY(link.timer.isArmed());
    link.timer.disarm();
    QVERIFY(!link.timer.isArmed());
    QTRY_VERIFY_WITH_TIMEOUT(link.comm.serialPort().bytesAvailable() > 0, 30000);
    QCoreApplication::processEvents();
    QCOMPARE(ticks, 0);
}

void TestLinkOverPty::tickNeverEarly()
{
    SimulatorProcess sim;
    QVERIFY(sim.start());
    SerialLink link;
    QVERIFY(link.open(sim.devicePath()));
    QVERIFY(link.comm.Output(QByteArray("\x03")));
    QTRY_VERIFY_WITH_TIMEOUT(link.comm.serialPort().bytesAvailable() > 0, 30000);
    QElapsedTimer clock;
    qint64 elapsedAtTick = -1;
    QObject::connect(&link.timer, &GraceTimer::ticked, [&] { elapsedAtTick = clock.elapsed(); });
    clock.start();
    link.timer.arm(50, 200, LinkTimer::Awaiting::AnyByte);
    QTRY_VERIFY_WITH_TIMEOUT(elapsedAtTick >= 0, 30000);
    QVERIFY2(elapsedAtTick >= 50, qPrintable(QString::number(elapsedAtTick)));
}

QTEST_GUILESS_MAIN(TestLinkOverPty)
#include "tst_linkoverpty.moc"
