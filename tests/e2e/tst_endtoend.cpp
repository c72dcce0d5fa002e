// SPDX-License-Identifier: MIT
// Test, read and write from the main window through the real serial port to
// the simulated module, including each fault the module can play.
#include "ConfigImage.h"
#include "TestBytes.h"
#include "EndToEnd.h"
#include "FlexGrid.h"
#include "ImageCodec.h"
#include "ModuleCopies.h"
#include "ModuleImage.h"
#include "TestFiles.h"
#include "WindowTestAids.h"

#include <QDir>
#include <QTemporaryDir>

#include <csignal>

using namespace ConfigImageLayout;

namespace {

const CommandTable::Row Marker{"marker", "RELE2", "ZMENA", "9", "ANO"};
// The message box itself, before EndToEnd answers the questions.
const QuestionBox AskInBox = questionBox();

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void testLink_data();
    void testLink();
    void readShowsModuleConfiguration();
    void writeSendsExactlyTheImage();
    void faults_data();
    void faults();
    void transferPressDuringWrite_data();
    void transferPressDuringWrite();
    void testInterruptsWrite();
    void staleAckAfterFailedStep();
    void earlyEndOfWrite();
    void leavingDuringWriteAsks();
    void questionBeforeWrite_data();
    void questionBeforeWrite();
    void signalDuringWriteLetsItFinish(); // must stay last: it ends the event loops

private:
    EndToEnd e2e;
    QTemporaryDir dir;
};

void TestEndToEnd::testLink_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");
    QTest::newRow("module answers") << QStringList{} << "TEST OK";
    QTest::newRow("silent module") << QStringList{"--silent"} << "TEST ERROR";
}

void TestEndToEnd::testLink()
{
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    QVERIFY(e2e.start(options));
    e2e.click("Command3");
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    QCOMPARE(e2e.messages(), (QStringList{"Program spuštěn", message}));
    // A failed TEST asks nothing: its log line suffices.
    QCoreApplication::processEvents();
    QCOMPARE(e2e.notices, QStringList());
}

void TestEndToEnd::readShowsModuleConfiguration()
{
    const QString log = dir.filePath(QStringLiteral("read.log"));
    QVERIFY(e2e.start({"--log", log}));
    // A full folder of copies: the oldest goes.
    QDir copies(ModuleCopies::folder());
    QVERIFY(copies.removeRecursively() && copies.mkpath(QStringLiteral(".")));
    for (int k = 0; k < ModuleCopies::Kept; ++k)
        put(copies.filePath(QStringLiteral("2000-01-01_00-00-00-%1.bin").arg(k, 3, 10, QChar(u'0'))), "old");
    e2e.click("Command1");
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    QCOMPARE(e2e.messages(), (QStringList{"Program spuštěn", "Vyčítání START", "Prenos OK", EndToEnd::ModuleCheck,
                                          EndToEnd::CopyLine, EndToEnd::ModuleFingerprint}));

    const QByteArray image = ModuleImage::defaultImage();
    // The window keeps its own copy of every image read.
    const QString copy = e2e.copyLine().mid(EndToEnd::CopyLine.size());
    QVERIFY2(copy.startsWith(QDir::toNativeSeparators(ModuleCopies::folder())), qPrintable(copy));
    QCOMPARE(fileBytes(copy), image);
    QCOMPARE(copies.entryList(QDir::Files).size(), ModuleCopies::Kept);
    QVERIFY(!copies.exists(QStringLiteral("2000-01-01_00-00-00-000.bin")));
    Configuration &config = e2e.window->configuration();
    QCOMPARE(config.ConfigImage(), image);
    const ImageDecoding expected = decodeImage(image, CommandTable());
    QVERIFY(config.CommandTable() == expected.table);
    auto *grid = e2e.window->findChild<FlexGrid *>("grid1");
    QCOMPARE(grid->TextMatrix(3, 1), QStringLiteral(" #OTEVŘI BRÁNU"));
    QCOMPARE(grid->TextMatrix(3, 2), QStringLiteral("RELE2"));
    QCOMPARE(grid->TextMatrix(3, 3), QStringLiteral("IMPULS"));
    QCOMPARE(grid->TextMatrix(3, 4), QStringLiteral("5"));
    QCOMPARE(grid->TextMatrix(3, 5), QStringLiteral("ANO"));
    QCOMPARE(grid->TextMatrix(8, 3), QStringLiteral("RESET"));
    QString captions;
    for (const char *name : {"Command8", "Command9", "Command10", "Command11", "Command12"})
        captions += e2e.window->findChild<QPushButton *>(name)->text();
    QCOMPARE(captions, QStringLiteral("10100"));
    QCOMPARE(ModuleLinkInside::protocol(e2e.window->link()).position(), 2048);
    QCOMPARE(e2e.barValue(), 0);

    QFile sent(log);
    QVERIFY(sent.open(QIODevice::ReadOnly));
    QCOMPARE(sent.readAll(), QByteArray("\x03\x0C\x02") + QByteArray(2049, '\x06'));
}

void TestEndToEnd::writeSendsExactlyTheImage()
{
    const QString saved = dir.filePath(QStringLiteral("written.bin"));
    QVERIFY(e2e.start({"--save", saved}));
    e2e.click("Command2");
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    // Verified, as on a first start.
    QCOMPARE(e2e.messages(), (QStringList{"Program spuštěn", "Zápis START", "Prenos OK", EndToEnd::ResetFingerprint,
                                          "Ověření START", "Ověření OK"}));
    QCOMPARE(e2e.barValue(), 0);
    QCOMPARE(e2e.writtenImage(saved, 2048), referenceResetImage());
}

void TestEndToEnd::faults_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("messages"); // after the start message
    QTest::addColumn<int>("imageSize");        // ConfigImage afterwards; -1: unchanged
    QTest::addColumn<bool>("decoded");

    const QStringList readFailed{"chyba v prenosu!"};
    const QStringList decodeFailed{"Prenos OK",
                                   "Data z modulu nejsou konfigurace: přenos proběhl, ale obsah nelze dekódovat.",
                                   "chyba v prenosu!"};
    const QStringList erased{"Prenos OK", "Paměť modulu je prázdná (samé 0xFF): modul nemá uloženou konfiguraci.",
                             "chyba v prenosu!"};
    const QStringList readOk{"Prenos OK", EndToEnd::ModuleCheck, EndToEnd::CopyLine, EndToEnd::ModuleFingerprint};
    const QStringList writeFailed{"chyba komunikace!"};
    QTest::newRow("read, silent") << QStringList{"--silent"} << "Command1" << readFailed << -1 << false;
    for (int step = 1; step <= 3; ++step)
        QTest::addRow("read, no ACK at set-up step %d", step)
            << QStringList{"--no-ack-at", QString::number(step)} << "Command1" << readFailed << -1 << false;
    QTest::newRow("read, duplicate byte") << QStringList{"--duplicate-at", "300"} << "Command1" << readFailed << -1
                                          << false;
    QTest::newRow("read, 25 early in the data")
        << QStringList{"--end-at", "100"} << "Command1" << decodeFailed << 99 << false;
    QTest::newRow("read, 25 after the records")
        << QStringList{"--end-at", "1000"} << "Command1" << readOk << 999 << true;
    QTest::newRow("read, erased module") << QStringList{"--erased"} << "Command1" << erased << 2048 << false;
    QTest::newRow("read, 715 bytes") << QStringList{"--size", "715"} << "Command1" << readOk
                                     << 715 << true;
    QTest::newRow("read, 714 bytes") << QStringList{"--size", "714"} << "Command1" << decodeFailed << 714 << false;
    // %1: the simulator's device.
    const QString lineClosed = QStringLiteral("Port COM1 (%1) byl zavřen: zařízení bylo odpojeno");
    QTest::newRow("read, line closed") << QStringList{"--close-at", "500"} << "Command1"
                                       << QStringList{"Převodník byl odpojen", lineClosed, "chyba v prenosu!"} << -1 << false;
    QTest::newRow("read, NAK at set-up step 2")
        << QStringList{"--wrong-ack-at", "2"} << "Command1" << readFailed << -1 << false;
    // Power-up noise ahead of an ACK that an adapter holds back for 16 ms.
    QTest::newRow("read, noise before a late ACK of the attention")
        << QStringList{"--noise", "00F0", "--late-at", "1", "--late-ms", "16"} << "Command1"
        << readOk << 2048 << true;

    QTest::newRow("write, silent") << QStringList{"--silent"} << "Command2" << writeFailed << -1 << false;
    QTest::newRow("write, no ACK at set-up step 2")
        << QStringList{"--no-ack-at", "2"} << "Command2" << writeFailed << -1 << false;
    QTest::newRow("write, duplicate answer") << QStringList{"--duplicate-at", "10"} << "Command2"
                                             << QStringList{"duplicitni prijem", "chyba komunikace!"} << -1 << false;
    QTest::newRow("write, last byte answered 6") << QStringList{"--last-ack-6"} << "Command2" << writeFailed << -1
                                                 << false;
    QTest::newRow("write, line closed") << QStringList{"--close-at", "100"} << "Command2"
                                        << QStringList{"Převodník byl odpojen", lineClosed, "chyba komunikace!"} << -1 << false;
    QTest::newRow("write, NAK at set-up step 3")
        << QStringList{"--wrong-ack-at", "3"} << "Command2" << writeFailed << -1 << false;
}

void TestEndToEnd::faults()
{
    QFETCH(QStringList, options);
    QFETCH(QString, button);
    QFETCH(QStringList, messages);
    QFETCH(int, imageSize);
    QFETCH(bool, decoded);
    QVERIFY(e2e.start(options + QStringList{"--baud", "0"}));
    Configuration &config = e2e.window->configuration();
    config.setCommand(0, Marker);
    e2e.window->RefreshGrid();
    const CommandTable before = config.CommandTable();
    const bool write = button == u"Command2";
    const qsizetype copies = QDir(ModuleCopies::folder()).entryList(QDir::Files).size();

    QElapsedTimer clock;
    clock.start();
    e2e.click(button.toLatin1().constData());
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    const bool pulled = options.contains(QStringLiteral("--close-at"));
    if (pulled) {
        // At once rather than after the data phase's 25 s of silence.
        QVERIFY2(clock.elapsed() < 15000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!e2e.window->link().isPortOpen());
    }
    messages.replaceInStrings(QStringLiteral("%1"), e2e.simulator.devicePath());
    const QStringList expected =
        QStringList{"Program spuštěn", write ? "Zápis START" : "Vyčítání START"} + messages;
    QCOMPARE(e2e.messages(), expected);

    if (!write) {
        if (imageSize < 0)
            QVERIFY(config.ConfigImage().isEmpty());
        else
            QCOMPARE(config.ConfigImage().size(), imageSize);
    }
    if (decoded) {
        QCOMPARE(config.CommandTable().cell(2, CommandTable::Output), QStringLiteral("RELE2"));
        QCOMPARE(config.CommandTable().cell(0, CommandTable::SmsText), QStringLiteral("ZAPNI TOPENÍ"));
    } else {
        QVERIFY(config.CommandTable() == before);
        QCOMPARE(e2e.window->findChild<FlexGrid *>("grid1")->TextMatrix(1, 1), QStringLiteral(" #marker"));
    }

    QCOMPARE(QDir(ModuleCopies::folder()).entryList(QDir::Files).size(), copies);
    if (pulled) {
        // The adapter plugged in again: its port is chosen as before.
        QVERIFY(e2e.simulator.start({}));
        qputenv("VRK04_COM1", e2e.simulator.devicePath().toLocal8Bit());
        QTest::mouseClick(e2e.window->findChild<QRadioButton *>("Option1"), Qt::LeftButton);
        QVERIFY(e2e.window->link().isPortOpen());
    }

    // After any outcome the next press starts afresh with the attention byte.
    e2e.click("Command3");
    QVERIFY(ModuleLinkInside::protocol(e2e.window->link()).LinkState() == 25);
}

// A second transfer press while a write runs leaves the write alone; an edit
// meanwhile is not in the module, so the title keeps its star.
void TestEndToEnd::transferPressDuringWrite_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("refused"); // a line says a transfer is under way
    QTest::addColumn<QString>("title");
    QTest::newRow("PC -> VRK-04 again") << "Command2" << true << "VRK-04 setup";
    QTest::newRow("PC <- VRK-04") << "Command1" << true << "VRK-04 setup";
    QTest::newRow("RELE2's default, an edit") << "Command9" << false << "VRK-04 setup*";
}

void TestEndToEnd::transferPressDuringWrite()
{
    QFETCH(QString, button);
    QFETCH(bool, refused);
    QFETCH(QString, title);
    const QString saved = dir.filePath(QStringLiteral("written.bin"));
    const QString log = dir.filePath(QStringLiteral("pressed.log"));
    QFile::remove(log);
    QVERIFY(e2e.start({"--save", saved, "--log", log}));
    e2e.setVerifyAfterWrite(false);
    e2e.click("Command2");
    e2e.runFor(250);
    e2e.click(button.toLatin1().constData());
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));

    QStringList messages = e2e.messages();
    QCOMPARE(messages.size(), refused ? 5 : 4);
    if (refused)
        QVERIFY2(messages.takeAt(2).contains(QStringLiteral("probíhá")), qPrintable(messages.join(u'|')));
    QCOMPARE(messages, (QStringList{"Program spuštěn", "Zápis START", "Prenos OK", EndToEnd::ResetFingerprint}));
    QCOMPARE(e2e.window->windowTitle(), title);
    QCOMPARE(ModuleLinkInside::protocol(e2e.window->link()).position(), 2049);
    QCOMPARE(e2e.writtenImage(saved, 2048), referenceResetImage());
    QCOMPARE(fileBytes(log), bytes({3, 11, 2}) + referenceResetImage());
}

void TestEndToEnd::testInterruptsWrite()
{
    QVERIFY(e2e.start({}));
    e2e.click("Command2");
    e2e.runFor(250);
    e2e.click("Command3");
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    const QStringList messages = e2e.messages();
    QCOMPARE(messages.size(), 5);
    QVERIFY2(messages.at(2).contains(QStringLiteral("přeruš")), qPrintable(messages.at(2)));
    // What to do with a module left waiting for the rest of the image.
    QVERIFY2(messages.at(3).contains(QStringLiteral("vypněte a zapněte")), qPrintable(messages.at(3)));
    QVERIFY(messages.at(4).startsWith(QStringLiteral("TEST ")));
}

// The ACK of a failed attention comes after the read gave up; the next read
// must not take it for the ACK of its own attention byte.
void TestEndToEnd::staleAckAfterFailedStep()
{
    const QString log = dir.filePath(QStringLiteral("stale.log"));
    QFile::remove(log);
    QVERIFY(e2e.start({"--baud", "0", "--latency", "16", "--late-at", "1", "--late-ms", "1000", "--size", "16",
                       "--log", log}));
    e2e.click("Command1");
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    QCOMPARE(e2e.messages().last(), QStringLiteral("chyba v prenosu!"));
    QTRY_VERIFY_WITH_TIMEOUT(ModuleLinkInside::comm(e2e.window->link()).serialPort().bytesAvailable() > 0, 30000);

    e2e.click("Command1");
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    // Sixteen bytes do not decode: "Prenos OK", then "chyba v prenosu!".
    QCOMPARE(e2e.window->configuration().ConfigImage(), ModuleImage::defaultImage().left(16));
    QCOMPARE(fileBytes(log), bytes({3, 3, 12, 2}) + QByteArray(17, 6));
}

// The module ends the write with 25 after byte 1000 of 2048 and keeps the
// rest of its old image: the write failed, and the log and a message box say
// where it stopped.
void TestEndToEnd::earlyEndOfWrite()
{
    const QString saved = dir.filePath(QStringLiteral("early.bin"));
    QVERIFY(e2e.start({"--save", saved, "--early-end-at", "1000"}));
    e2e.click("Command2");
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    QCOMPARE(e2e.messages(), (QStringList{"Program spuštěn", "Zápis START",
                                          "Modul ukončil zápis předčasně, po 1000. bajtu z 2048.",
                                          "chyba komunikace!"}));
    // One box says what happened and what to do; the bar empties.
    QTRY_COMPARE(e2e.notices, QStringList{"Zápis se nedokončil (po bajtu 1000 z 2048). Modul teď nemá platnou "
                                          "konfiguraci: vypněte ho a zapněte, pak zapište znovu."});
    QCOMPARE(e2e.barValue(), 0);
    QCOMPARE(e2e.writtenImage(saved, 1000),
             referenceResetImage().left(1000) + ModuleImage::defaultImage().mid(1000));
}

// "..:: KONEC ::.." and the window's frame ask first while a write runs;
// "Ne" lets the write go on to its end.
void TestEndToEnd::leavingDuringWriteAsks()
{
    const QString saved = dir.filePath(QStringLiteral("left.bin"));
    QVERIFY(e2e.start({"--save", saved}));
    e2e.setVerifyAfterWrite(false);
    QStringList asked;
    questionBox() = [&asked](QWidget *, const QString &text, QMessageBox::StandardButtons, QMessageBox::StandardButton) {
        asked << text;
        // The first question is about writing start-up's empty table.
        return asked.size() == 1 ? QMessageBox::Yes : QMessageBox::No;
    };
    e2e.click("Command2");
    e2e.runFor(250);
    e2e.click("Command4");
    QVERIFY(!e2e.window->close());
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    QCOMPARE(asked.size(), 3);
    QVERIFY2(asked.at(1).startsWith(QStringLiteral("Probíhá zápis")), qPrintable(asked.at(1)));
    QCOMPARE(asked.at(2), asked.at(1));
    QCOMPARE(e2e.messages().mid(e2e.messages().size() - 2), (QStringList{"Prenos OK", EndToEnd::ResetFingerprint}));
    QCOMPARE(e2e.writtenImage(saved, 2048), referenceResetImage());
}

// "PC -> VRK-04" asks once, in a real message box, when the table has an
// error or changes a module read here; "Zpět" sends nothing.
void TestEndToEnd::questionBeforeWrite_data()
{
    QTest::addColumn<bool>("readFirst");
    QTest::addColumn<QList<int>>("rows");       // 0-based rows given the text
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("listed");    // "!text": not in the question

    QTest::newRow("two commands STAV") << false << QList<int>{3, 8} << "STAV"
                                       << QStringList{"povel 4: chyba, Tvar SMS: Stejný text má i povel 9",
                                                      "povel 9: chyba, Tvar SMS: Stejný text má i povel 4",
                                                      "!Zápis v modulu změní"};
    QTest::newRow("a module read here, command 3 changed")
        << true << QList<int>{2} << "ZAVŘI BRÁNU"
        << QStringList{"povel 3: upozornění, Tvar SMS: Znaky „Ř“, „Á“",
                       "Zápis v modulu změní:\npovel 3: Tvar SMS „OTEVŘI BRÁNU“ → „ZAVŘI BRÁNU“\n\n", "!chyba"};
}

void TestEndToEnd::questionBeforeWrite()
{
    QFETCH(bool, readFirst);
    QFETCH(QList<int>, rows);
    QFETCH(QString, text);
    QFETCH(QStringList, listed);
    const QString log = dir.filePath(QStringLiteral("asked.log"));
    QFile::remove(log);
    QVERIFY(e2e.start({"--baud", "0", "--log", log}));
    questionBox() = AskInBox;
    if (readFirst) {
        e2e.click("Command1");
        QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    }
    Configuration &config = e2e.window->configuration();
    for (const int row : rows) {
        CommandTable::Row cells = config.CommandTable().row(row);
        cells.at(CommandTable::SmsText) = text;
        config.setCommand(row, cells);
    }
    const QByteArray sentBefore = fileBytes(log);

    const auto seen = answerNextMessageBox(QMessageBox::Abort);
    e2e.click("Command2");
    QVERIFY(seen->seen);
    QCOMPARE(seen->buttons, QMessageBox::Apply | QMessageBox::Abort);
    for (const QString &part : listed) {
        if (part.startsWith(u'!'))
            QVERIFY2(!seen->text.contains(part.mid(1)), qPrintable(seen->text));
        else
            QVERIFY2(seen->text.contains(part), qPrintable(seen->text));
    }
    e2e.runFor(300);
    QVERIFY(!e2e.messages().contains(QStringLiteral("Zápis START")));
    QCOMPARE(fileBytes(log), sentBefore);
}

// SIGTERM during a write (a log-out, a kill): the write goes on to its end,
// and only then does the window end.
void TestEndToEnd::signalDuringWriteLetsItFinish()
{
    const QString saved = dir.filePath(QStringLiteral("signalled.bin"));
    QVERIFY(e2e.start({"--save", saved}));
    e2e.click("Command2");
    e2e.runFor(250);
    e2e.window->stopRequested(SIGTERM);
    QVERIFY(e2e.waitUntilFinished(TransferTimeoutMs));
    const QStringList messages = e2e.messages();
    QVERIFY2(messages.at(2).startsWith(QStringLiteral("Program má skončit")), qPrintable(messages.join(u'|')));
    QCOMPARE(messages.mid(messages.size() - 2), (QStringList{"Prenos OK", EndToEnd::ResetFingerprint}));
    QCOMPARE(e2e.writtenImage(saved, 2048), referenceResetImage());
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
