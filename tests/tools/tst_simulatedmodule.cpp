// SPDX-License-Identifier: MIT
// The simulator's module logic in-process: the exchanges of a healthy module
// and what each fault mode does to them.
#include "ImageCodec.h"
#include "TestBytes.h"
#include "ModuleImage.h"
#include "SimulatedModule.h"

#include <QTest>

namespace {

using Event = SimulatedModule::Event;

const QByteArray Ack("\x06");
const QByteArray End("\x19");

// The PC's side, one byte at a time, keeping every answer.
struct Pc
{
    explicit Pc(SimulatedModule &m)
        : module(m)
    {
    }

    SimulatedModule &module;
    QList<QByteArray> answers;
    QList<Event> events;

    QByteArray send(char byte)
    {
        const SimulatedModule::Reply reply = module.receive(byte);
        answers << reply.bytes;
        if (reply.event != Event::None)
            events << reply.event;
        return reply.bytes;
    }
    QByteArray sendAll(const QByteArray &data)
    {
        QByteArray all;
        for (char byte : data)
            all += send(byte);
        return all;
    }

    // Set-up of a read, then acknowledgements until the module sends 25 (or
    // nothing), at most limit of them. Returns the data bytes before the end.
    QByteArray read(int limit = 5000)
    {
        if (sendAll(bytes({3, 12, 2})) != QByteArray(3, 6))
            return {};
        QByteArray data;
        for (int k = 0; k < limit; ++k) {
            const QByteArray answer = send(6);
            if (answer.isEmpty() || answer == End)
                break;
            data += answer;
        }
        return data;
    }

    // Set-up of a write, then the image; returns the answers to the image bytes.
    QByteArray write(const QByteArray &image)
    {
        if (sendAll(bytes({3, 11, 2})) != QByteArray(3, 6))
            return {};
        return sendAll(image);
    }
};

// Varied bytes without 25, which would end a read early.
QByteArray sample(int size)
{
    QByteArray image;
    for (int k = 0; k < size; ++k) {
        const char byte = char(k * 7 + 1);
        image.append(byte == 25 ? char(26) : byte);
    }
    return image;
}

} // namespace

class TestSimulatedModule : public QObject
{
    Q_OBJECT

private slots:
    void answersTest();
    void readsItsImage();
    void keepsWrittenImage();
    void attentionStartsOver_data();
    void attentionStartsOver();
    void abandonDropsPartialWrite();
    void silent();
    void noAckAtSetupStep_data();
    void noAckAtSetupStep();
    void lateAnswerComesOnce();
    void noiseOnEveryAttention();
    void duplicateOnRead();
    void duplicateOnWrite();
    void lastWrittenByteAnsweredSix();
    void earlyEndOfWrite();
    void endOfDataInsideImage();
    void erasedModule();
    void imageOfOtherSize();
    void lineClosedOnRead();
    void lineClosedOnWrite();
    void defaultImageDecodes();
};

void TestSimulatedModule::answersTest()
{
    SimulatedModule module(ModuleImage::defaultImage());
    Pc pc(module);
    QCOMPARE(pc.send(3), Ack);
    QCOMPARE(pc.events, QList<Event>{Event::Attention});
    // A second test finds it answering again.
    QCOMPARE(pc.send(3), Ack);
}

void TestSimulatedModule::readsItsImage()
{
    const QByteArray image = sample(2048);
    SimulatedModule module(image);
    Pc pc(module);
    QCOMPARE(pc.read(), image);
    QCOMPARE(pc.answers.last(), End);
    QCOMPARE(pc.answers.size(), 3 + 2048 + 1);
    QCOMPARE(pc.events, (QList<Event>{Event::Attention, Event::ReadDone}));
    QCOMPARE(module.received(), bytes({3, 12, 2}) + QByteArray(2049, 6));
    QVERIFY(module.idle());
    // Another read gives the same bytes.
    QCOMPARE(pc.read(), image);
}

void TestSimulatedModule::keepsWrittenImage()
{
    SimulatedModule module(ModuleImage::defaultImage());
    Pc pc(module);
    // Protocol values inside the image are data.
    const QByteArray image = QByteArray(1000, 3) + QByteArray(1000, 6) + QByteArray(48, 2);
    QCOMPARE(pc.write(image), QByteArray(2047, 6) + End);
    QCOMPARE(pc.events, (QList<Event>{Event::Attention, Event::WriteDone}));
    QCOMPARE(module.eeprom(), image);
    QCOMPARE(module.lastWriteSize(), 2048);
    QCOMPARE(pc.read(), image);
}

void TestSimulatedModule::attentionStartsOver_data()
{
    QTest::addColumn<QByteArray>("before");

    QTest::newRow("after the attention") << bytes({3});
    QTest::newRow("after the read request") << bytes({3, 12});
    QTest::newRow("after the write request") << bytes({3, 11});
    QTest::newRow("inside a read") << bytes({3, 12, 2, 6, 6, 6});
}

void TestSimulatedModule::attentionStartsOver()
{
    QFETCH(QByteArray, before);

    const QByteArray image = sample(2048);
    SimulatedModule module(image);
    Pc pc(module);
    pc.sendAll(before);
    QCOMPARE(pc.read(), image);
}

void TestSimulatedModule::abandonDropsPartialWrite()
{
    const QByteArray image = sample(2048);
    SimulatedModule module(image);
    Pc pc(module);
    pc.write(QByteArray(100, 'x'));
    QVERIFY(!module.idle());
    module.abandon();
    QVERIFY(module.idle());
    QCOMPARE(module.eeprom(), image);
    QCOMPARE(pc.read(), image);
}

void TestSimulatedModule::silent()
{
    ModuleFaults faults;
    faults.silent = true;
    SimulatedModule module(sample(2048), faults);
    Pc pc(module);
    QCOMPARE(pc.sendAll(bytes({3, 12, 2, 6, 3, 11, 2, 1})), QByteArray());
    QCOMPARE(module.received(), bytes({3, 12, 2, 6, 3, 11, 2, 1}));
}

void TestSimulatedModule::noAckAtSetupStep_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("request");
    QTest::addColumn<bool>("nak"); // answered with 21 rather than not at all
    QTest::addColumn<QByteArray>("answers");

    QTest::newRow("read, step 1") << 1 << 12 << false << QByteArray();
    QTest::newRow("read, step 2") << 2 << 12 << false << Ack;
    QTest::newRow("read, step 3") << 3 << 12 << false << QByteArray(2, 6);
    QTest::newRow("write, step 2") << 2 << 11 << false << Ack;
    QTest::newRow("write, step 3") << 3 << 11 << false << QByteArray(2, 6);
    // The module does not move on after a NAK: the bytes after it find it waiting.
    QTest::newRow("read, NAK at step 1") << 1 << 12 << true << bytes({21});
    QTest::newRow("write, NAK at step 2") << 2 << 11 << true << bytes({6, 21});
    QTest::newRow("read, NAK at step 3") << 3 << 12 << true << bytes({6, 6, 21});
}

void TestSimulatedModule::noAckAtSetupStep()
{
    QFETCH(int, step);
    QFETCH(int, request);
    QFETCH(bool, nak);
    QFETCH(QByteArray, answers);

    ModuleFaults faults;
    (nak ? faults.wrongAckAtSetupStep : faults.noAckAtSetupStep) = step;
    SimulatedModule module(sample(2048), faults);
    Pc pc(module);
    QCOMPARE(pc.sendAll(bytes({3, request, 2})), answers);
    // The fault stays: the next attempt stops at the same step.
    QCOMPARE(pc.sendAll(bytes({3, request, 2})), answers);
}

void TestSimulatedModule::lateAnswerComesOnce()
{
    ModuleFaults faults;
    faults.lateAtSetupStep = 2;
    faults.lateMs = 300;
    SimulatedModule module(sample(2048), faults);
    QList<int> delays;
    for (char byte : bytes({3, 12, 2, 3, 11, 2}))
        delays << module.receive(byte).delayMs;
    QCOMPARE(delays, (QList<int>{0, 300, 0, 0, 0, 0}));
}

void TestSimulatedModule::noiseOnEveryAttention()
{
    ModuleFaults faults;
    faults.noiseAfterAttention = bytes({0x00, 0xF0});
    const QByteArray image = sample(2048);
    SimulatedModule module(image, faults);
    Pc pc(module);
    QCOMPARE(pc.read(), image);
    QCOMPARE(module.receive(3).noise, faults.noiseAfterAttention);
    // A 3 inside written data is data, not attention.
    pc.sendAll(bytes({11, 2}));
    QCOMPARE(module.receive(3).noise, QByteArray());
}

void TestSimulatedModule::duplicateOnRead()
{
    ModuleFaults faults;
    faults.duplicateAt = 5;
    const QByteArray image = sample(2048);
    SimulatedModule module(image, faults);
    Pc pc(module);
    const QByteArray data = pc.read();
    QCOMPARE(pc.answers.at(3 + 4), QByteArray(2, image.at(4)));
    QCOMPARE(data, image.left(5) + image.mid(4));
}

void TestSimulatedModule::duplicateOnWrite()
{
    ModuleFaults faults;
    faults.duplicateAt = 2048;
    SimulatedModule module(sample(2048), faults);
    Pc pc(module);
    QCOMPARE(pc.write(QByteArray(2048, 'w')), QByteArray(2047, 6) + End + End);
}

void TestSimulatedModule::lastWrittenByteAnsweredSix()
{
    ModuleFaults faults;
    faults.lastAnsweredSix = true;
    SimulatedModule module(sample(2048), faults);
    Pc pc(module);
    const QByteArray image(2048, 'w');
    QCOMPARE(pc.write(image), QByteArray(2048, 6));
    QCOMPARE(module.eeprom(), image);
}

void TestSimulatedModule::earlyEndOfWrite()
{
    ModuleFaults faults;
    faults.earlyEndAt = 1000;
    const QByteArray image = sample(2048);
    SimulatedModule module(image, faults);
    Pc pc(module);
    // The bytes after the 25 find the module idle.
    QCOMPARE(pc.write(QByteArray(2048, 'w')), QByteArray(999, 6) + End);
    QCOMPARE(pc.events, (QList<Event>{Event::Attention, Event::WriteDone}));
    QCOMPARE(module.lastWriteSize(), 1000);
    QCOMPARE(module.eeprom(), QByteArray(1000, 'w') + image.mid(1000));
}

void TestSimulatedModule::endOfDataInsideImage()
{
    ModuleFaults faults;
    faults.endOfDataAt = 700;
    const QByteArray image = sample(2048);
    SimulatedModule module(image, faults);
    Pc pc(module);
    QCOMPARE(pc.read(), image.left(699));
    QCOMPARE(pc.answers.last(), End);
    // Only the bytes sent are changed, not the module's image.
    QCOMPARE(module.eeprom(), image);
}

void TestSimulatedModule::erasedModule()
{
    SimulatedModule module(ModuleImage::erasedImage());
    Pc pc(module);
    QCOMPARE(pc.read(), QByteArray(2048, char(0xFF)));
}

void TestSimulatedModule::imageOfOtherSize()
{
    const QByteArray image = ModuleImage::resized(sample(2048), 700);
    QCOMPARE(image, sample(700));
    QCOMPARE(ModuleImage::resized(sample(10), 12), sample(10) + bytes({0xFF, 0xFF}));

    SimulatedModule module(image);
    Pc pc(module);
    QCOMPARE(pc.read(), image);
    // It takes that many bytes on a write too, and ends with 25 after them.
    QCOMPARE(pc.write(QByteArray(700, 'w')), QByteArray(699, 6) + End);
    QCOMPARE(module.eeprom(), QByteArray(700, 'w'));
}

void TestSimulatedModule::lineClosedOnRead()
{
    ModuleFaults faults;
    faults.lineClosedAt = 10;
    const QByteArray image = sample(2048);
    SimulatedModule module(image, faults);
    Pc pc(module);
    QCOMPARE(pc.read(), image.left(9));
    QVERIFY(module.lineClosed());
    QCOMPARE(pc.events.last(), Event::LineClosed);
    QCOMPARE(pc.sendAll(bytes({3, 12, 2, 6})), QByteArray());
}

void TestSimulatedModule::lineClosedOnWrite()
{
    ModuleFaults faults;
    faults.lineClosedAt = 2048;
    const QByteArray image = sample(2048);
    SimulatedModule module(image, faults);
    Pc pc(module);
    QCOMPARE(pc.write(QByteArray(2048, 'w')), QByteArray(2047, 6));
    QVERIFY(module.lineClosed());
    QCOMPARE(module.eeprom(), image);
}

void TestSimulatedModule::defaultImageDecodes()
{
    const QByteArray image = ModuleImage::defaultImage();
    QCOMPARE(image.size(), 2048);
    const ImageDecoding decoded = decodeImage(image, CommandTable());
    QVERIFY(decoded.ok());
    QCOMPARE(decoded.table.row(2), (CommandTable::Row{QStringLiteral("OTEVŘI BRÁNU"), QStringLiteral("RELE2"),
                                                      QStringLiteral("IMPULS"), QStringLiteral("5"),
                                                      QStringLiteral("ANO")}));
    QCOMPARE(decoded.table.row(4), (CommandTable::Row{QStringLiteral("světla"), QStringLiteral("RELE4"),
                                                      QStringLiteral("SEPNUTI"), QStringLiteral("90"),
                                                      QStringLiteral("ANO")}));
    QCOMPARE(decoded.table.row(5), (CommandTable::Row{QStringLiteral("ŽALUZIE DOLŮ"), QStringLiteral("RELE5"),
                                                      QStringLiteral("IMPULS"), QStringLiteral("30"),
                                                      QStringLiteral("NE")}));
    QCOMPARE(decoded.table.row(7), (CommandTable::Row{QStringLiteral("RESTART"), QStringLiteral("SYSTEM"),
                                                      QStringLiteral("RESET"), QStringLiteral("0"),
                                                      QStringLiteral("NE")}));
    QCOMPARE(decoded.table.row(19), CommandTable::emptyRow());
    QCOMPARE(decoded.defaultStateByte1, quint8(0x35));
    QCOMPARE(decoded.defaultStateByte2, quint8(0x3E));
    // Encoding the decoded table gives the module's bytes back.
    QCOMPARE(encodeImage(decoded.table, decoded.defaultStateByte1, decoded.defaultStateByte2).image, image);
}

QTEST_GUILESS_MAIN(TestSimulatedModule)
#include "tst_simulatedmodule.moc"
