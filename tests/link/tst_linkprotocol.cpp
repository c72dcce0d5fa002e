// SPDX-License-Identifier: MIT
// The link protocol engine, tick by tick, on a fake port and a hand-driven
// timer: the bytes it puts on the line, its state, its timer and its messages.
#include "Configuration.h"
#include "ImageCodec.h"
#include "TableEdit.h"
#include "TestBytes.h"
#include "FakeComm.h"
#include "LinkProtocol.h"
#include "ManualTimer.h"

#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

namespace {

// TransferMode values, which also name the three buttons here.
constexpr int Read = 1;
constexpr int Write = 2;
constexpr int Test = 3;

const QString ReadStart = QStringLiteral("Vyčítání START");
const QString WriteStart = QStringLiteral("Zápis START");
const QString TestOk = QStringLiteral("TEST OK");
const QString TestError = QStringLiteral("TEST ERROR");
const QString TransferOk = QStringLiteral("Prenos OK");
const QString ReadFailure = QStringLiteral("chyba v prenosu!");
const QString WriteFailure = QStringLiteral("chyba komunikace!");
const QString Duplicate = QStringLiteral("duplicitni prijem");
const QString AlreadyRunning = QStringLiteral("Přenos již probíhá, počkejte na jeho konec.");
const QString ReadInterrupted = QStringLiteral("Vyčítání přerušeno");
const QString WriteInterrupted = QStringLiteral("Zápis přerušen");
const QString SwitchOffAndOn =
    QStringLiteral("Modul čeká na zbytek obrazu: před další operací ho vypněte a zapněte, pak zapište znovu.");
const QString Erased = QStringLiteral("Paměť modulu je prázdná (samé 0xFF): modul nemá uloženou konfiguraci.");
const QString NotConfiguration =
    QStringLiteral("Data z modulu nejsou konfigurace: přenos proběhl, ale obsah nelze dekódovat.");

const char FF = char(0xFF);
const QByteArray Ack("\x06");
const QByteArray End("\x19");

// A decodable 2048-byte image, byte by byte: command 1 is "AHOJ" on RELE1,
// SEPNUTI, 5 s, confirmed; the rest are empty.
QByteArray validImage()
{
    QByteArray image = "AHOJ" + QByteArray(28, FF);
    image += QByteArray(19 * 32, FF);
    image += QByteArray(3, FF);
    image += bytes({0x35, 0x3E});
    image += QByteArray(10, FF);
    image += bytes({'1', '1', 0xA5});
    for (int k = 1; k < 20; ++k)
        image += bytes({'0', '0', 0x20});
    image += QByteArray(1333, FF);
    return image;
}

// The engine, started from a chosen state where a case needs it.
struct Engine : LinkProtocol
{
    using LinkProtocol::LinkProtocol;

    void preset(qint16 linkState, qint16 idleTicks, const QByteArray &imageBuffer)
    {
        m_linkState = linkState;
        m_idleTicks = idleTicks;
        m_imageBuffer = imageBuffer;
    }
    void presetImage(const QByteArray &imageBuffer) { m_imageBuffer = imageBuffer; }
};

// The engine with its port and timer, recording what it logs, and a
// configuration that takes a read's bytes and gives a write its image as the
// session does.
struct Rig
{
    FakeComm comm;
    ManualTimer timer;
    Configuration config;
    Engine link{comm, timer};
    QStringList log;
    QList<double> progressSeen;
    int ended = 0;

    explicit Rig(bool portOpen = true)
    {
        comm.setCommPort(1);
        if (portOpen)
            comm.setPortOpen(true);
        config.ResetTable();
        link.setImageCheck(isConfigurationImage);
        QObject::connect(&link, &LinkProtocol::operationEnded, [this](LinkProtocol::Operation operation) {
            if (operation == LinkProtocol::Operation::Read && link.lastReadComplete())
                config.receiveImage(link.lastReadImage());
        });
        QObject::connect(&link, &LinkProtocol::logged, [this](const QString &message) { log << message; });
        QObject::connect(&link, &LinkProtocol::progressChanged, [this](double value) { progressSeen << value; });
        QObject::connect(&link, &LinkProtocol::operationEnded, [this] { ++ended; });
    }

    void press(int button)
    {
        if (button == Read)
            link.readFromModule();
        else if (button == Write)
            writeTable();
        else
            link.testLink();
    }

    // Timer1's tick, with `arriving` put in the receive buffer first. False
    // when the timer is off, so that no tick can come.
    bool tick(const QByteArray &arriving = {})
    {
        comm.waiting += arriving;
        if (!timer.armed)
            return false;
        link.TimerTick();
        return true;
    }

    void writeTable()
    {
        if (link.isBusy() && link.runningOperation() != LinkProtocol::Operation::Test) {
            link.writeImage(config.ConfigImage());
            return;
        }
        QString problem;
        if (config.TableToImage(&problem))
            link.writeImage(config.ConfigImage());
        else
            link.refuseWrite(problem);
    }

    QByteArray takeSent() { return std::exchange(comm.sent, QByteArray()); }

    // Presses the button, then acknowledges set-up bytes until the link is in
    // state (25, 35, 45 or 50).
    [[nodiscard]] bool bringTo(int button, int state)
    {
        press(button);
        const int acks = state == 25 ? 0 : state == 35 ? 1 : state == 45 ? 2 : 3;
        for (int i = 0; i < acks; ++i) {
            if (!tick(Ack))
                return false;
        }
        return link.LinkState() == state && timer.armed;
    }

    // One data step per byte of `data`.
    [[nodiscard]] bool feed(const QByteArray &data)
    {
        for (char byte : data) {
            if (!tick(QByteArray(1, byte)))
                return false;
        }
        return true;
    }
};

QStringList startLog(int button)
{
    if (button == Read)
        return {ReadStart};
    if (button == Write)
        return {WriteStart};
    return {};
}

} // namespace

class TestLinkProtocol : public QObject
{
    Q_OBJECT

private slots:
    void startOfEachOperation_data();
    void startOfEachOperation();
    void setupStates_data();
    void setupStates();
    void takeOver_data();
    void takeOver();
    void staleAnswerIsDiscarded_data();
    void staleAnswerIsDiscarded();

    void readExchange_data();
    void readExchange();
    void endOfDataInsideImageEndsRead();
    void writeExchangeOfEncodedTable();
    void writeOfShortImage_data();
    void earlyEndOfWriteFails();
    void readAfterTestStartsEmpty();
    void writeOfShortImage();
    void twoCharactersInOneDataStep_data();
    void twoCharactersInOneDataStep();
    void emptyDataSteps_data();
    void emptyDataSteps();
    void characterResetsEmptyCount_data();
    void characterResetsEmptyCount();

    void noOpenPort_data();
    void noOpenPort();
    void readProgressRange_data();
    void readProgressRange();
    void writeProgressRange_data();
    void writeProgressRange();
    void readWhoseDecodeFails_data();
    void readWhoseDecodeFails();
    void refusedEncodingSendsNothing_data();
    void refusedEncodingSendsNothing();
    void errorThrownInsideStepIsTrapped();
    void gracesCoverAdapterLatency();

    void verify_data();
    void verify();
};

void TestLinkProtocol::startOfEachOperation_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("stateBefore");
    QTest::addColumn<int>("interval");

    QTest::newRow("test") << Test << 0 << 500;
    QTest::newRow("read") << Read << 0 << 5;
    QTest::newRow("write") << Write << 0 << 10;
    QTest::newRow("read from an unknown state") << Read << 17 << 5;
    QTest::newRow("write from an unknown state") << Write << 17 << 10;
    QTest::newRow("test from an unknown state") << Test << 17 << 500;
}

void TestLinkProtocol::startOfEachOperation()
{
    QFETCH(int, button);
    QFETCH(int, stateBefore);
    QFETCH(int, interval);

    Rig rig;
    rig.link.preset(qint16(stateBefore), 7, "old");
    rig.press(button);

    QCOMPARE(rig.comm.sent, bytes({3}));
    QCOMPARE(rig.link.LinkState(), 25);
    QCOMPARE(rig.link.TransferMode(), button);
    QVERIFY(rig.timer.armed);
    QCOMPARE(rig.timer.intervals, QList<int>{interval});
    QCOMPARE(rig.log, startLog(button));
    QCOMPARE(rig.ended, 0);
    if (button == Read) {
        QCOMPARE(rig.link.IdleTicks(), 0);
        QCOMPARE(rig.link.ImageBuffer(), QByteArray());
        QCOMPARE(rig.link.position(), 0.0);
    }
    if (button == Write) {
        QCOMPARE(rig.link.IdleTicks(), 0);
        QCOMPARE(rig.link.ImageBuffer(), rig.config.ConfigImage());
        QCOMPARE(rig.link.ImageBuffer().size(), 2048);
        QCOMPARE(rig.link.position(), 1.0);
    }
}

void TestLinkProtocol::setupStates_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("state");
    QTest::addColumn<QByteArray>("arriving");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<int>("nextState");
    QTest::addColumn<int>("interval"); // -1: timer off
    QTest::addColumn<QStringList>("messages");

    const QByteArray none;
    QTest::newRow("read 25, ACK") << Read << 25 << Ack << bytes({12}) << 35 << 5 << QStringList();
    QTest::newRow("read 25, ACK amid noise") << Read << 25 << bytes({1, 6, 25}) << bytes({12}) << 35
                                             << 5 << QStringList();
    QTest::newRow("read 25, nothing") << Read << 25 << none << none << 0 << -1 << QStringList{ReadFailure};
    QTest::newRow("read 25, no ACK") << Read << 25 << bytes({21, 25}) << none << 0 << -1
                                     << QStringList{ReadFailure};
    QTest::newRow("read 35, ACK") << Read << 35 << Ack << bytes({2}) << 45 << 5 << QStringList();
    QTest::newRow("read 35, noise before ACK") << Read << 35 << bytes({2, 6}) << bytes({2}) << 45 << 5
                                               << QStringList();
    QTest::newRow("read 35, nothing") << Read << 35 << none << none << 0 << -1 << QStringList{ReadFailure};
    QTest::newRow("read 45, ACK") << Read << 45 << Ack << bytes({6}) << 50 << 1 << QStringList();
    QTest::newRow("read 45, noise after ACK") << Read << 45 << bytes({6, 7}) << bytes({6}) << 50 << 1
                                              << QStringList();
    QTest::newRow("read 45, no ACK") << Read << 45 << bytes({7}) << none << 0 << -1
                                     << QStringList{ReadFailure};

    QTest::newRow("write 25, ACK") << Write << 25 << Ack << bytes({11}) << 35 << 10 << QStringList();
    QTest::newRow("write 25, ACK amid noise") << Write << 25 << bytes({0, 6, 0}) << bytes({11}) << 35
                                              << 10 << QStringList();
    QTest::newRow("write 25, nothing") << Write << 25 << none << none << 0 << -1
                                       << QStringList{WriteFailure};
    QTest::newRow("write 35, ACK") << Write << 35 << Ack << bytes({2}) << 45 << 10 << QStringList();
    QTest::newRow("write 35, no ACK") << Write << 35 << End << none << 0 << -1
                                      << QStringList{WriteFailure};
    // The first byte of the encoded reset table is the fill of SMS field 1.
    QTest::newRow("write 45, ACK") << Write << 45 << Ack << bytes({0xFF}) << 50 << 1 << QStringList();
    QTest::newRow("write 45, noise before ACK") << Write << 45 << bytes({25, 6}) << bytes({0xFF}) << 50
                                                << 1 << QStringList();
    QTest::newRow("write 45, nothing") << Write << 45 << none << none << 0 << -1
                                       << QStringList{WriteFailure};

    QTest::newRow("test 25, ACK") << Test << 25 << Ack << none << 0 << -1 << QStringList{TestOk};
    QTest::newRow("test 25, ACK amid noise") << Test << 25 << bytes({5, 6, 5}) << none << 0 << -1
                                             << QStringList{TestOk};
    QTest::newRow("test 25, nothing") << Test << 25 << none << none << 0 << -1 << QStringList{TestError};
    QTest::newRow("test 25, no ACK") << Test << 25 << bytes({21}) << none << 0 << -1
                                     << QStringList{TestError};
}

void TestLinkProtocol::setupStates()
{
    QFETCH(int, button);
    QFETCH(int, state);
    QFETCH(QByteArray, arriving);
    QFETCH(QByteArray, sent);
    QFETCH(int, nextState);
    QFETCH(int, interval);
    QFETCH(QStringList, messages);

    Rig rig;
    QVERIFY(rig.bringTo(button, state));
    rig.takeSent();
    QVERIFY(rig.tick(arriving));

    QCOMPARE(rig.comm.sent, sent);
    QCOMPARE(rig.link.LinkState(), nextState);
    QCOMPARE(rig.link.RxBuffer(), arriving);
    QCOMPARE(rig.timer.armed, interval >= 0);
    if (interval >= 0)
        QCOMPARE(rig.timer.intervals.last(), interval);
    QCOMPARE(rig.log, startLog(button) + messages);
    QCOMPARE(rig.ended, interval >= 0 ? 0 : 1);
}

void TestLinkProtocol::takeOver_data()
{
    QTest::addColumn<int>("running");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<QByteArray>("arriving");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<int>("nextState");
    QTest::addColumn<int>("mode");     // TransferMode afterwards
    QTest::addColumn<int>("interval"); // -1: timer off
    QTest::addColumn<QStringList>("messages");

    const QByteArray none;
    // A transfer under way is left alone by the transfer buttons.
    QTest::newRow("read pressed during a read at 35")
        << Read << 35 << Read << Ack << none << 35 << Read << 5 << QStringList{ReadStart, AlreadyRunning};
    QTest::newRow("read pressed at 25 of a read")
        << Read << 25 << Read << none << none << 25 << Read << 5 << QStringList{ReadStart, AlreadyRunning};
    QTest::newRow("read pressed during a write's data phase")
        << Write << 50 << Read << QByteArray("A") << none << 50 << Write << 1
        << QStringList{WriteStart, AlreadyRunning};
    QTest::newRow("write pressed during a read's data phase")
        << Read << 50 << Write << Ack << none << 50 << Read << 1 << QStringList{ReadStart, AlreadyRunning};
    QTest::newRow("write pressed during a read at 45")
        << Read << 45 << Write << Ack << none << 45 << Read << 5 << QStringList{ReadStart, AlreadyRunning};
    // TEST takes one over, saying so.
    QTest::newRow("test pressed during a read's data phase starts over")
        << Read << 50 << Test << none << bytes({3}) << 25 << Test << 500
        << QStringList{ReadStart, ReadInterrupted};
    QTest::newRow("test pressed during a write at 35 starts over")
        << Write << 35 << Test << none << bytes({3}) << 25 << Test << 500
        << QStringList{WriteStart, WriteInterrupted, SwitchOffAndOn};
    QTest::newRow("test pressed during a write at 25 evaluates at once")
        << Write << 25 << Test << Ack << none << 0 << Test << -1
        << QStringList{WriteStart, WriteInterrupted, SwitchOffAndOn, TestOk};
    QTest::newRow("test pressed during a test evaluates at once")
        << Test << 25 << Test << none << none << 0 << Test << -1 << QStringList{TestError};
    // While TEST waits for its answer, a transfer continues from 25.
    QTest::newRow("read pressed during a test continues from 25")
        << Test << 25 << Read << Ack << bytes({12}) << 35 << Read << 5 << QStringList{ReadStart};
    QTest::newRow("write pressed during a test continues from 25")
        << Test << 25 << Write << Ack << bytes({11}) << 35 << Write << 10 << QStringList{WriteStart};
}

void TestLinkProtocol::takeOver()
{
    QFETCH(int, running);
    QFETCH(int, state);
    QFETCH(int, pressed);
    QFETCH(QByteArray, arriving);
    QFETCH(QByteArray, sent);
    QFETCH(int, nextState);
    QFETCH(int, mode);
    QFETCH(int, interval);
    QFETCH(QStringList, messages);

    Rig rig;
    QVERIFY(rig.bringTo(running, state));
    rig.takeSent();
    rig.comm.waiting = arriving;
    const double progressBefore = rig.link.position();
    const QByteArray bufferBefore = rig.link.ImageBuffer();
    QSignalSpy ended(&rig.link, &LinkProtocol::operationEnded);
    rig.press(pressed);

    QCOMPARE(rig.comm.sent, sent);
    QCOMPARE(rig.link.LinkState(), nextState);
    QCOMPARE(rig.link.TransferMode(), mode);
    QCOMPARE(rig.log, messages);
    if (messages.last() == AlreadyRunning) {
        QCOMPARE(rig.link.position(), progressBefore);
        QCOMPARE(rig.link.ImageBuffer(), bufferBefore);
        QCOMPARE(ended.size(), 0);
    }
    if (messages.size() > 1 && messages.at(1).contains(u"přeruš"))
        QCOMPARE(ended.at(0).at(1).value<LinkProtocol::Outcome>(), LinkProtocol::Outcome::Interrupted);
    // An operation that ended from a button leaves no stale tick behind that
    // would start it again.
    QCOMPARE(rig.timer.armed, interval >= 0);
    if (interval >= 0)
        QCOMPARE(rig.timer.intervals.last(), interval);
    else
        QVERIFY(!rig.tick(Ack));
    QCOMPARE(rig.comm.sent, sent);
}

void TestLinkProtocol::staleAnswerIsDiscarded_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("failure");

    QTest::newRow("test") << Test << TestError;
    QTest::newRow("read") << Read << ReadFailure;
    QTest::newRow("write") << Write << WriteFailure;
}

void TestLinkProtocol::staleAnswerIsDiscarded()
{
    QFETCH(int, button);
    QFETCH(QString, failure);

    Rig rig;
    rig.comm.waiting = Ack; // late for an earlier step
    rig.press(button);
    QCOMPARE(rig.comm.sent, bytes({3}));
    QVERIFY(rig.tick());
    QCOMPARE(rig.log.last(), failure);
    QCOMPARE(rig.comm.sent, bytes({3}));
}

void TestLinkProtocol::readExchange_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<bool>("decodes");

    QTest::newRow("no bytes") << QByteArray() << false;
    QTest::newRow("five bytes") << QByteArray("ABCDE") << false;
    QTest::newRow("protocol values as data") << bytes({3, 6, 12, 11, 2, 0, 0xFF}) << false;
    QTest::newRow("715 bytes") << validImage().left(715) << true;
    QTest::newRow("2048 bytes") << validImage() << true;
}

void TestLinkProtocol::readExchange()
{
    QFETCH(QByteArray, image);
    QFETCH(bool, decodes);

    Rig rig;
    QVERIFY(rig.bringTo(Read, 50));
    QVERIFY(rig.feed(image));
    QVERIFY(rig.tick(End));
    QVERIFY(!rig.timer.armed);

    const int n = int(image.size());
    QCOMPARE(rig.comm.sent, bytes({3, 12, 2}) + QByteArray(n + 1, 6));
    QCOMPARE(rig.config.ConfigImage(), image);
    QCOMPARE(rig.link.position(), double(n));
    QCOMPARE(rig.link.LinkState(), 0);
    QCOMPARE(rig.ended, 1);
    QCOMPARE(rig.log, (decodes ? QStringList{ReadStart, TransferOk}
                               : QStringList{ReadStart, TransferOk, NotConfiguration, ReadFailure}));
    QCOMPARE(rig.timer.intervals, (QList<int>{5, 5, 5} + QList<int>(n + 1, 1)));

    QList<double> progress;
    for (int k = 1; k <= n + 1; ++k)
        progress << k;
    progress << n;
    QCOMPARE(rig.progressSeen, progress);

    if (decodes) {
        const CommandTable::Row first{QStringLiteral("AHOJ"), QStringLiteral("RELE1"),
                                      QStringLiteral("SEPNUTI"), QStringLiteral("5"),
                                      QStringLiteral("ANO")};
        QCOMPARE(rig.config.CommandTable().row(0), first);
        QCOMPARE(rig.config.DefaultStateByte1(), quint8(0x35));
        QCOMPARE(rig.config.DefaultStateByte2(), quint8(0x3E));
    }
}

void TestLinkProtocol::endOfDataInsideImageEndsRead()
{
    Rig rig;
    QVERIFY(rig.bringTo(Read, 50));
    QVERIFY(rig.feed(QByteArray("AB") + End));
    QVERIFY(!rig.tick(QByteArray("CD")));
    QCOMPARE(rig.config.ConfigImage(), QByteArray("AB"));
    QCOMPARE(rig.link.position(), 2.0);
    QCOMPARE(rig.log, (QStringList{ReadStart, TransferOk, NotConfiguration, ReadFailure}));
}

void TestLinkProtocol::writeExchangeOfEncodedTable()
{
    Rig rig;
    rig.config.setCommand(2, {QStringLiteral("BRÁNA"), QStringLiteral("RELE2"),
                                       QStringLiteral("IMPULS"), QStringLiteral("5"),
                                       QStringLiteral("ANO")});
    QVERIFY(rig.bringTo(Write, 50));
    const QByteArray image = rig.config.ConfigImage();
    QCOMPARE(image.size(), 2048);
    QCOMPARE(image.mid(64, 6), QByteArray("BR\xC1NA\xFF"));
    for (int k = 2; k <= image.size(); ++k)
        QVERIFY(rig.tick(Ack));
    QVERIFY(rig.tick(End));

    QCOMPARE(rig.comm.sent, bytes({3, 11, 2}) + image);
    QCOMPARE(rig.log, (QStringList{WriteStart, TransferOk}));
    QCOMPARE(rig.link.position(), 2049.0);
    QCOMPARE(rig.link.LinkState(), 0);
    QVERIFY(!rig.timer.armed);
    QCOMPARE(rig.ended, 1);
    QCOMPARE(rig.config.ConfigImage(), image);
    QCOMPARE(rig.timer.intervals, (QList<int>{10, 10, 10} + QList<int>(2048, 1)));
}

void TestLinkProtocol::writeOfShortImage_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QByteArray>("ack");
    QTest::addColumn<QByteArray>("lastAnswer");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("one byte, answered 25") << QByteArray("Z") << Ack << End << QStringList{TransferOk};
    QTest::newRow("three bytes, answered 25") << QByteArray("abc") << Ack << End
                                              << QStringList{TransferOk};
    QTest::newRow("any character acknowledges") << QByteArray("abc") << QByteArray("Q") << End
                                                << QStringList{TransferOk};
    QTest::newRow("last byte answered 6") << QByteArray("abc") << Ack << Ack
                                          << QStringList{WriteFailure};
}

// A 25 before the last byte is a module that stored only part of the image.
void TestLinkProtocol::earlyEndOfWriteFails()
{
    Rig rig;
    rig.link.presetImage("abc");
    rig.link.WriteStep();
    for (int k = 0; k < 3; ++k)
        QVERIFY(rig.tick(Ack));
    QVERIFY(rig.tick(Ack));
    QVERIFY(rig.tick(End));
    QCOMPARE(rig.comm.sent, QByteArray("\x03\x0B\x02" "ab"));
    QCOMPARE(rig.log, (QStringList{"Modul ukončil zápis předčasně, po 2. bajtu z 3.", WriteFailure}));
    QVERIFY(!rig.timer.armed);
}

// A read that goes on from TEST's state starts from an empty buffer, not from
// what an earlier write left in it.
void TestLinkProtocol::readAfterTestStartsEmpty()
{
    Rig rig;
    rig.link.presetImage("stale");
    rig.press(Test);
    rig.comm.waiting = Ack;
    rig.press(Read);
    QVERIFY(rig.tick(Ack));
    QVERIFY(rig.tick(Ack));
    QVERIFY(rig.feed(QByteArray("xy") + End));
    QCOMPARE(rig.link.lastReadImage(), QByteArray("xy"));
}

void TestLinkProtocol::writeOfShortImage()
{
    QFETCH(QByteArray, image);
    QFETCH(QByteArray, ack);
    QFETCH(QByteArray, lastAnswer);
    QFETCH(QStringList, messages);

    Rig rig;
    rig.link.presetImage(image);
    rig.link.WriteStep();
    for (int k = 0; k < 3; ++k)
        QVERIFY(rig.tick(Ack));
    for (int k = 2; k <= image.size(); ++k)
        QVERIFY(rig.tick(ack));
    QVERIFY(rig.tick(lastAnswer));

    QCOMPARE(rig.comm.sent, bytes({3, 11, 2}) + image);
    QCOMPARE(rig.log, messages);
    QCOMPARE(rig.link.position(), double(image.size() + 1));
    QCOMPARE(rig.link.LinkState(), 0);
    QVERIFY(!rig.timer.armed);
}

void TestLinkProtocol::twoCharactersInOneDataStep_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("stepsBefore");
    QTest::addColumn<QByteArray>("arriving");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("read, first data step") << Read << 0 << QByteArray("AA")
                                           << QStringList{ReadStart, ReadFailure};
    QTest::newRow("read, data byte and end") << Read << 10 << QByteArray("A") + End
                                             << QStringList{ReadStart, ReadFailure};
    QTest::newRow("write, first data step") << Write << 0 << bytes({6, 6})
                                            << QStringList{WriteStart, Duplicate, WriteFailure};
    QTest::newRow("write, ACK and end") << Write << 10 << bytes({6, 25})
                                        << QStringList{WriteStart, Duplicate, WriteFailure};
}

void TestLinkProtocol::twoCharactersInOneDataStep()
{
    QFETCH(int, button);
    QFETCH(int, stepsBefore);
    QFETCH(QByteArray, arriving);
    QFETCH(QStringList, messages);

    Rig rig;
    QVERIFY(rig.bringTo(button, 50));
    const QByteArray imageBefore = rig.config.ConfigImage();
    for (int k = 0; k < stepsBefore; ++k)
        QVERIFY(rig.tick(button == Read ? QByteArray("x") : Ack));
    rig.takeSent();
    QVERIFY(rig.tick(arriving));

    QCOMPARE(rig.comm.sent, QByteArray());
    QCOMPARE(rig.log, messages);
    QCOMPARE(rig.link.LinkState(), 0);
    QVERIFY(!rig.timer.armed);
    QCOMPARE(rig.config.ConfigImage(), imageBefore);
}

void TestLinkProtocol::emptyDataSteps_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("emptySteps");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("read, 4999 empty steps") << Read << 4999 << QStringList{ReadStart};
    QTest::newRow("read, 5000 empty steps") << Read << 5000 << QStringList{ReadStart, ReadFailure};
    QTest::newRow("write, 4999 empty steps") << Write << 4999 << QStringList{WriteStart};
    QTest::newRow("write, 5000 empty steps") << Write << 5000
                                             << QStringList{WriteStart, WriteFailure};
}

void TestLinkProtocol::emptyDataSteps()
{
    QFETCH(int, button);
    QFETCH(int, emptySteps);
    QFETCH(QStringList, messages);

    Rig rig;
    QVERIFY(rig.bringTo(button, 50));
    rig.takeSent();
    for (int k = 0; k < emptySteps; ++k)
        QVERIFY(rig.tick());

    const bool failed = messages.size() == 2;
    QCOMPARE(rig.log, messages);
    QCOMPARE(rig.link.IdleTicks(), failed ? 5000 : 4999);
    QCOMPARE(rig.link.LinkState(), failed ? 0 : 50);
    QCOMPARE(rig.timer.armed, !failed);
    QCOMPARE(rig.comm.sent, QByteArray());
}

void TestLinkProtocol::characterResetsEmptyCount_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QByteArray>("character");
    QTest::addColumn<QString>("failure");

    QTest::newRow("read") << Read << QByteArray("x") << ReadFailure;
    QTest::newRow("write") << Write << Ack << WriteFailure;
}

void TestLinkProtocol::characterResetsEmptyCount()
{
    QFETCH(int, button);
    QFETCH(QByteArray, character);
    QFETCH(QString, failure);

    Rig rig;
    QVERIFY(rig.bringTo(button, 50));
    for (int k = 0; k < 4999; ++k)
        QVERIFY(rig.tick());
    QVERIFY(rig.tick(character));
    QCOMPARE(rig.link.IdleTicks(), 0);
    for (int k = 0; k < 4999; ++k)
        QVERIFY(rig.tick());
    QCOMPARE(rig.link.LinkState(), 50);
    QCOMPARE(rig.log, startLog(button));
    QVERIFY(rig.tick());
    QCOMPARE(rig.log, startLog(button) << failure);
}

void TestLinkProtocol::noOpenPort_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("test") << Test << 500 << QStringList{TestError};
    QTest::newRow("read") << Read << 5 << QStringList{ReadStart, ReadFailure};
    QTest::newRow("write") << Write << 10 << QStringList{WriteStart, WriteFailure};
}

void TestLinkProtocol::noOpenPort()
{
    QFETCH(int, button);
    QFETCH(int, interval);
    QFETCH(QStringList, messages);

    Rig rig(false);
    rig.press(button);
    QCOMPARE(rig.link.LinkState(), 25);
    QCOMPARE(rig.timer.intervals, QList<int>{interval});
    QCOMPARE(rig.log, startLog(button));
    QVERIFY(rig.tick());

    QCOMPARE(rig.log, messages);
    QCOMPARE(rig.link.LinkState(), 0);
    QVERIFY(!rig.timer.armed);
    QCOMPARE(rig.comm.sent, QByteArray());

    // The next press starts afresh with the attention byte, here onto an open port.
    rig.comm.setPortOpen(true);
    rig.press(button);
    QCOMPARE(rig.comm.sent, bytes({3}));
}

void TestLinkProtocol::readProgressRange_data()
{
    QTest::addColumn<int>("dataBytes");
    QTest::addColumn<QByteArray>("last");
    QTest::addColumn<bool>("succeeds");

    QTest::newRow("2049 bytes, then 25") << 2049 << End << true;
    QTest::newRow("2050 bytes, then 25") << 2050 << End << false;
    QTest::newRow("2050 bytes, then a 2051st") << 2050 << QByteArray("x") << false;
}

void TestLinkProtocol::readProgressRange()
{
    QFETCH(int, dataBytes);
    QFETCH(QByteArray, last);
    QFETCH(bool, succeeds);

    Rig rig;
    const QByteArray image = validImage() + QByteArray(dataBytes - 2048, FF);
    QVERIFY(rig.bringTo(Read, 50));
    QVERIFY(rig.feed(image));
    QCOMPARE(rig.link.position(), double(dataBytes));
    rig.takeSent();
    QVERIFY(rig.tick(last));

    QCOMPARE(rig.comm.sent, QByteArray());
    QCOMPARE(rig.link.LinkState(), 0);
    QVERIFY(!rig.timer.armed);
    if (succeeds) {
        QCOMPARE(rig.log, (QStringList{ReadStart, TransferOk}));
        QCOMPARE(rig.config.ConfigImage(), image);
        QCOMPARE(rig.link.position(), double(dataBytes));
    } else {
        QCOMPARE(rig.log, (QStringList{ReadStart, ReadFailure}));
        QCOMPARE(rig.config.ConfigImage(), QByteArray());
        QCOMPARE(rig.link.position(), 2050.0);
    }
}

void TestLinkProtocol::writeProgressRange_data()
{
    QTest::addColumn<int>("answeredByte");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("25 to byte 2049") << 2049 << End << QStringList{TransferOk};
    QTest::newRow("25 to byte 2050") << 2050 << End << QStringList{WriteFailure};
    QTest::newRow("6 to byte 2050") << 2050 << Ack << QStringList{WriteFailure};
}

void TestLinkProtocol::writeProgressRange()
{
    QFETCH(int, answeredByte);
    QFETCH(QByteArray, answer);
    QFETCH(QStringList, messages);

    Rig rig;
    QByteArray image(2100, 'x');
    image[answeredByte] = 'y'; // the byte that must never go out
    if (answer == End)
        image.truncate(answeredByte); // 25 answers the image's last byte
    rig.link.presetImage(image);
    rig.link.WriteStep();
    for (int k = 0; k < 3; ++k)
        QVERIFY(rig.tick(Ack));
    for (int k = 2; k <= answeredByte; ++k)
        QVERIFY(rig.tick(Ack));
    QVERIFY(rig.tick(answer));

    QCOMPARE(rig.comm.sent, bytes({3, 11, 2}) + image.left(answeredByte));
    QCOMPARE(rig.log, messages);
    // The answer to byte 2050 would take the position past the bar's 2050.
    QCOMPARE(rig.link.position(), 2050.0);
    QCOMPARE(rig.link.LinkState(), 0);
    QVERIFY(!rig.timer.armed);
}

void TestLinkProtocol::readWhoseDecodeFails_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("why"); // the line before the failure: a blank module, or other bytes

    QTest::newRow("image of 700 bytes") << validImage().left(700) << NotConfiguration;
    QTest::newRow("image of 714 bytes") << validImage().left(714) << NotConfiguration;
    QTest::newRow("erased module") << QByteArray(2048, FF) << Erased;
    QTest::newRow("erased, but shorter") << QByteArray(1000, FF) << Erased;
}

void TestLinkProtocol::readWhoseDecodeFails()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, why);

    Rig rig;
    rig.config.setCommand(7, {QStringLiteral("PŮVODNÍ"), QStringLiteral("RELE3"),
                                       QStringLiteral("ZMENA"), QStringLiteral("9"),
                                       QStringLiteral("ANO")});
    rig.config.setDefaultStates({true, false, false, false, true}); // byte 1: 0x31
    const CommandTable tableBefore = rig.config.CommandTable();
    int refreshes = 0;
    QObject::connect(&rig.config, &Configuration::tableChanged, [&refreshes] { ++refreshes; });

    QVERIFY(rig.bringTo(Read, 50));
    QVERIFY(rig.feed(image));
    QVERIFY(rig.tick(End));

    QCOMPARE(rig.log, (QStringList{ReadStart, TransferOk, why, ReadFailure}));
    QCOMPARE(rig.config.ConfigImage(), image);
    QCOMPARE(rig.config.CommandTable(), tableBefore);
    QCOMPARE(rig.config.DefaultStateByte1(), quint8(0x31));
    QCOMPARE(refreshes, 0);
    QCOMPARE(rig.link.position(), double(image.size()));
    QCOMPARE(rig.link.LinkState(), 0);
    QVERIFY(!rig.timer.armed);
    QCOMPARE(rig.ended, 1);
}

void TestLinkProtocol::refusedEncodingSendsNothing_data()
{
    QTest::addColumn<bool>("duringTest");

    QTest::newRow("idle link") << false;
    QTest::newRow("while TEST waits") << true;
}

void TestLinkProtocol::refusedEncodingSendsNothing()
{
    QFETCH(bool, duringTest);

    Rig rig;
    if (duringTest)
        QVERIFY(rig.bringTo(Test, 25));
    rig.config.receiveImage("earlier image");
    setCell(rig.config, 4, CommandTable::SmsText, QString(33, u'A'));
    rig.takeSent();
    rig.log.clear();
    rig.writeTable();

    QCOMPARE(rig.log.size(), 3);
    QCOMPARE(rig.log.at(0), WriteStart);
    QVERIFY2(rig.log.at(1).startsWith(QStringLiteral("Povel 5")), qPrintable(rig.log.at(1)));
    QCOMPARE(rig.log.at(2), WriteFailure);
    QCOMPARE(rig.comm.sent, QByteArray());
    QCOMPARE(rig.link.LinkState(), 0);
    QVERIFY(!rig.timer.armed);
    QCOMPARE(rig.ended, 1);
    QCOMPARE(rig.config.ConfigImage(), QByteArray("earlier image"));
    QCOMPARE(rig.link.position(), 0.0);
}

void TestLinkProtocol::errorThrownInsideStepIsTrapped()
{
    Rig rig;
    rig.link.setImageCheck([](const QByteArray &) -> bool { throw std::runtime_error("decoder gone"); });
    QVERIFY(rig.bringTo(Read, 50));
    QVERIFY(rig.feed(validImage()));
    QVERIFY(rig.tick(End));
    QCOMPARE(rig.log, (QStringList{ReadStart, TransferOk, ReadFailure}));
    QCOMPARE(rig.link.LinkState(), 0);
    QVERIFY(!rig.timer.armed);
}

void TestLinkProtocol::gracesCoverAdapterLatency()
{
    Rig rig;
    QVERIFY(rig.bringTo(Read, 50));
    QVERIFY(rig.tick(QByteArray("x")));
    const QList<int> &graces = rig.timer.graces;
    QCOMPARE(graces.size(), 5);
    // Set-up acknowledgements behind a 16 ms adapter latency timer arrive in time.
    for (int k = 0; k < 3; ++k)
        QVERIFY(graces.at(k) >= 20);
    // A silent module fails the data phase within half a minute: 5000 empty
    // steps of 1 ms plus the grace.
    for (int k = 3; k < 5; ++k)
        QVERIFY(graces.at(k) > 0 && 5000 * (1 + graces.at(k)) <= 30000);
    // Only the acknowledgement ends a set-up grace early; stray bytes do not.
    using Awaiting = LinkTimer::Awaiting;
    QCOMPARE(rig.timer.awaits, (QList<Awaiting>{Awaiting::Acknowledgement, Awaiting::Acknowledgement,
                                                Awaiting::Acknowledgement, Awaiting::AnyByte, Awaiting::AnyByte}));
}

void TestLinkProtocol::verify_data()
{
    QTest::addColumn<QByteArray>("module"); // null: the module does not answer
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("lastLine"); // the lines after the start, one per text line
    QTest::addColumn<int>("difference");

    const QByteArray image = validImage();
    QByteArray smsDiffers = image;
    smsDiffers[36] = 'A';
    QByteArray recordDiffers = image;
    recordDiffers[659] = '2';
    QTest::newRow("equal") << image << image << QStringLiteral("Ověření OK") << 0;
    QTest::newRow("SMS text") << smsDiffers << image
                              << QStringLiteral("Ověření: první rozdíl, pozice 37 (povel 2, text SMS, znak 5): "
                                                "modul 0x41, očekáváno 0xFF")
                              << 37;
    QTest::newRow("record") << recordDiffers << image
                            << QStringLiteral("Ověření: první rozdíl, pozice 660 (povel 2, záznam, akce): "
                                              "modul 0x32, očekáváno 0x30")
                            << 660;
    QTest::newRow("module ends early: a transfer fault")
        << image.left(715) << image
        << QStringLiteral("Modul ukončil vyčítání předčasně, po 715. bajtu z 2048.\n") + ReadFailure << 0;
    QTest::newRow("no answer") << QByteArray() << image << ReadFailure << 0;
}

void TestLinkProtocol::verify()
{
    QFETCH(QByteArray, module);
    QFETCH(QByteArray, expected);
    QFETCH(QString, lastLine);
    QFETCH(int, difference);

    Rig rig;
    rig.config.receiveImage("earlier image");
    const CommandTable tableBefore = rig.config.CommandTable();
    QSignalSpy ended(&rig.link, &LinkProtocol::operationEnded);
    rig.link.verifyModule(expected);
    if (module.isNull()) {
        QVERIFY(rig.tick());
    } else {
        for (int k = 0; k < 3; ++k)
            QVERIFY(rig.tick(Ack));
        QVERIFY(rig.feed(module));
        QVERIFY(rig.tick(End));
        QCOMPARE(rig.comm.sent, bytes({3, 12, 2}) + QByteArray(module.size() + 1, 6));
        QCOMPARE(rig.link.verifiedImage(), module);
    }

    QCOMPARE(rig.log, (QStringList{QStringLiteral("Ověření START")} + lastLine.split(u'\n')));
    QCOMPARE(rig.link.verifyDifference(), difference);
    QCOMPARE(ended.size(), 1);
    QCOMPARE(ended.at(0).at(0).value<LinkProtocol::Operation>(), LinkProtocol::Operation::Verify);
    QCOMPARE(ended.at(0).at(1).value<LinkProtocol::Outcome>(),
             lastLine == u"Ověření OK" ? LinkProtocol::Outcome::Succeeded : LinkProtocol::Outcome::Failed);
    QCOMPARE(rig.config.ConfigImage(), QByteArray("earlier image"));
    QCOMPARE(rig.config.CommandTable(), tableBefore);
    QCOMPARE(rig.config.DefaultStateByte1(), quint8(0));
    QVERIFY(!rig.timer.armed);
}

QTEST_GUILESS_MAIN(TestLinkProtocol)
#include "tst_linkprotocol.moc"
