// SPDX-License-Identifier: MIT
// A production run over the real serial port against the module simulator,
// switched off and on by the test as a technician would.
#include "Fingerprint.h"
#include "ModuleImage.h"
#include "SeriesRun.h"
#include "SimulatorProcess.h"
#include "TestBytes.h"
#include "TestFiles.h"

#include <QEventLoop>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestSeriesRun : public QObject
{
    Q_OBJECT

private slots:
    void threeModulesSecondSwitchedOffMidWrite();
    void stopsFollowTheToolsRule_data();
    void stopsFollowTheToolsRule();
    void configurationWithErrorRefused();
};

// Modules 1 and 3 go well; module 2 loses power half-way through its write.
void TestSeriesRun::threeModulesSecondSwitchedOffMidWrite()
{
    QTemporaryDir folder;
    const QString modulePath = folder.filePath(QStringLiteral("module.bin"));
    const QString protocolPath = folder.filePath(QStringLiteral("p.csv"));
    put(modulePath, ModuleImage::defaultImage());
    SimulatorProcess sim;
    QVERIFY(sim.start({"--baud", "0", "--image", modulePath}));
    ModuleLink link;
    QVERIFY(link.openPort(sim.devicePath()));
    int writeStarts = 0;
    connect(&link, &ModuleLink::logged, this, [&](const QString &line) { writeStarts += line == u"Zápis START"; });

    SeriesRun run(link);
    bool powered = true;
    auto power = [&](bool on) {
        if (powered != on)
            sim.switchPower();
        powered = on;
    };
    connect(&run, &SeriesRun::phaseChanged, this, [&](SeriesRun::Phase phase) {
        if (phase == SeriesRun::Phase::AwaitingRemoval)
            power(false);
        else if (phase == SeriesRun::Phase::AwaitingModule)
            power(true);
    });
    connect(&link, &ModuleLink::progressChanged, this, [&](int position) {
        if (run.moduleNumber() == 2 && run.phase() == SeriesRun::Phase::Writing && position > 1000)
            power(false);
    });
    QList<SeriesRun::Ending> endings;
    QEventLoop loop;
    connect(&run, &SeriesRun::finished, &loop, [&](SeriesRun::Ending ending) {
        endings << ending;
        loop.quit();
    });
    QTimer::singleShot(240000, &loop, &QEventLoop::quit);

    const QByteArray image = referenceResetImage();
    QStringList problems;
    QVERIFY(run.start({image, QStringLiteral("m.bin"), QStringLiteral("COM1"), protocolPath, 2}, &problems));
    loop.exec();

    QCOMPARE(endings, QList{SeriesRun::Ending::Completed});
    QCOMPARE(run.good(), 2);
    QCOMPARE(run.failed(), 1);
    QCOMPARE(writeStarts, 3);
    QCOMPARE(sim.events().filter(QStringLiteral("write 2048")).size(), 2);
    QCOMPARE(sim.events().filter(QRegularExpression(QStringLiteral("^on "))).size(), 2);
    QCOMPARE(contents(modulePath), image);

    const QStringList lines = QString::fromUtf8(contents(protocolPath)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 5); // the header, three modules and the end of the last line
    QCOMPARE(lines.at(0), QStringLiteral("time,port,file,fingerprint,result,reason,seconds"));
    const QString fingerprint = configFingerprint(image);
    const QString time = QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\S*,COM1,m\\.bin,");
    const QRegularExpression ok(time + fingerprint + QStringLiteral(",OK,,\\d+\\.\\d$"));
    const QRegularExpression failed(time + fingerprint + QStringLiteral(",CHYBA,zápis se přerušil po \\d+\\. bajtu z 2048,\\d+\\.\\d$"));
    QVERIFY2(ok.match(lines.at(1)).hasMatch(), qPrintable(lines.at(1)));
    QVERIFY2(failed.match(lines.at(2)).hasMatch(), qPrintable(lines.at(2)));
    QVERIFY2(ok.match(lines.at(3)).hasMatch(), qPrintable(lines.at(3)));
    QVERIFY(lines.at(4).isEmpty());
}

// A stop while waiting ends at once; in the middle of a write the first lets
// it finish, the second abandons it. Either way the module is recorded.
void TestSeriesRun::stopsFollowTheToolsRule_data()
{
    QTest::addColumn<int>("stops");     // during the write; 0: one while waiting for a silent module
    QTest::addColumn<QString>("reason"); // of the one module recorded; empty: none is
    QTest::addColumn<bool>("written");   // the module holds the configuration afterwards

    QTest::newRow("waiting: at once, nothing recorded") << 0 << QString() << false;
    QTest::newRow("once in the write: it finishes, no verify")
        << 1 << QStringLiteral("^zapsáno, neověřeno: série byla přerušena$") << true;
    QTest::newRow("twice in the write: abandoned")
        << 2 << QStringLiteral("^zápis přerušen po \\d+\\. bajtu z 2048: modul drží neúplnou konfiguraci$") << false;
}

void TestSeriesRun::stopsFollowTheToolsRule()
{
    QFETCH(int, stops);
    QFETCH(QString, reason);
    QFETCH(bool, written);

    QTemporaryDir folder;
    const QString modulePath = folder.filePath(QStringLiteral("module.bin"));
    put(modulePath, ModuleImage::defaultImage());
    SimulatorProcess sim;
    QVERIFY(sim.start(QStringList{"--baud", "0", "--image", modulePath} + (stops ? QStringList() : QStringList{"--silent"})));
    ModuleLink link;
    QVERIFY(link.openPort(sim.devicePath()));
    SeriesRun run(link);
    QList<SeriesRecord> records;
    connect(&run, &SeriesRun::moduleRecorded, this, [&](const SeriesRecord &record) { records << record; });
    bool asked = false;
    QList<bool> finishing; // what each stop answered
    auto stopLater = [&] {
        asked = true;
        QMetaObject::invokeMethod(&run, [&] {
            for (int i = 0; i < qMax(1, stops); ++i)
                finishing << run.stop(SeriesRun::Stop::LetWriteFinish);
        }, Qt::QueuedConnection);
    };
    connect(&link, &ModuleLink::operationEnded, this, [&](ModuleLink::Operation operation) {
        if (stops == 0 && operation == ModuleLink::Operation::Test && !asked)
            stopLater();
    });
    connect(&link, &ModuleLink::progressChanged, this, [&](int position) {
        if (stops > 0 && run.phase() == SeriesRun::Phase::Writing && position > 500 && !asked)
            stopLater();
    });
    QList<SeriesRun::Ending> endings;
    QEventLoop loop;
    connect(&run, &SeriesRun::finished, &loop, [&](SeriesRun::Ending ending) {
        endings << ending;
        loop.quit();
    });
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    const QByteArray image = referenceResetImage();
    QStringList problems;
    QVERIFY(run.start({image, {}, {}, folder.filePath(QStringLiteral("p.csv")), 0}, &problems));
    loop.exec();

    QCOMPARE(endings, QList{SeriesRun::Ending::Stopped});
    const QList<bool> answers = stops == 0 ? QList{false} : stops == 1 ? QList{true} : QList{true, false};
    QCOMPARE(finishing, answers);
    QCOMPARE(records.size(), reason.isEmpty() ? 0 : 1);
    if (!reason.isEmpty())
        QVERIFY2(records.first().reason.contains(QRegularExpression(reason)), qPrintable(records.first().reason));
    QCOMPARE(run.good(), 0);
    QCOMPARE(contents(modulePath), written ? image : ModuleImage::defaultImage());
}

// Nothing reaches the port or the protocol.
void TestSeriesRun::configurationWithErrorRefused()
{
    QTemporaryDir folder;
    QByteArray twoStav = ModuleImage::defaultImage();
    twoStav.replace(32, 32, "STAV" + QByteArray(28, char(0xFF))); // command 2 takes command 7's text
    ModuleLink link;
    SeriesRun run(link);
    QStringList problems;
    const QString protocolPath = folder.filePath(QStringLiteral("p.csv"));
    QVERIFY(!run.start({twoStav, {}, {}, protocolPath, 1}, &problems));
    QVERIFY2(problems.join(u'\n').contains(QStringLiteral("povel 2: chyba")), qPrintable(problems.join(u'\n')));
    QVERIFY(!run.isRunning());
    QVERIFY(!QFile::exists(protocolPath));
}

QTEST_GUILESS_MAIN(TestSeriesRun)
#include "tst_seriesrun.moc"
