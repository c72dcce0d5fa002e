// SPDX-License-Identifier: MIT
// The port choice against a port in memory: which options the probe leaves
// usable, and the exact order of port operations when the user chooses.
#include "FakeComm.h"
#include "PortChoice.h"

#include <QSignalSpy>
#include <QTest>

namespace {

class FakeOptions : public PortOptions
{
public:
    bool enabled[7] = {};
    bool selected[7] = {};
    QString tips[7];

    void setOptionEnabled(int k, bool on) override { enabled[k] = on; }
    void setOptionToolTip(int k, const QString &text) override { tips[k] = text; }
    bool optionValue(int k) const override { return selected[k]; }

    QString enabledPattern() const
    {
        QString pattern;
        for (int k = 1; k <= 6; ++k)
            pattern += enabled[k] ? u'1' : u'0';
        return pattern;
    }
    void select(int k)
    {
        for (int i = 1; i <= 6; ++i)
            selected[i] = i == k;
    }
};

QSet<int> portSet(const QList<int> &ports)
{
    return QSet<int>(ports.begin(), ports.end());
}

} // namespace

class TestPortChoice : public QObject
{
    Q_OBJECT

private slots:
    void scanEnablesPortsThatOpen_data();
    void scanEnablesPortsThatOpen();
    void scanOpensAndClosesEachPortOnce();
    void scanToolTipsNameDeviceAndReason();
    void choosingClosesBeforeReopening();
    void failedOpenIsLoggedAndSurvived();
    void missingRtsLineIsNoFailure();
};

void TestPortChoice::scanEnablesPortsThatOpen_data()
{
    QTest::addColumn<QList<int>>("openable");
    QTest::addColumn<QList<int>>("failingClose");
    QTest::addColumn<QString>("enabled");
    QTest::newRow("none") << QList<int>{} << QList<int>{} << "000000";
    QTest::newRow("only COM3") << QList<int>{3} << QList<int>{} << "001000";
    QTest::newRow("all") << QList<int>{1, 2, 3, 4, 5, 6} << QList<int>{} << "111111";
    QTest::newRow("COM2 and COM6") << QList<int>{2, 6} << QList<int>{} << "010001";
    QTest::newRow("a port that fails to close") << QList<int>{1, 2} << QList<int>{2} << "100000";
}

void TestPortChoice::scanEnablesPortsThatOpen()
{
    QFETCH(QList<int>, openable);
    QFETCH(QList<int>, failingClose);
    QFETCH(QString, enabled);
    FakeComm comm;
    comm.openable = portSet(openable);
    comm.failingClose = portSet(failingClose);
    FakeOptions options;
    PortChoice choice(comm, options);
    choice.ScanPorts();
    QCOMPARE(options.enabledPattern(), enabled);
    QVERIFY(!comm.PortOpen());
}

void TestPortChoice::scanOpensAndClosesEachPortOnce()
{
    FakeComm comm;
    comm.openable = {3};
    FakeOptions options;
    PortChoice choice(comm, options);
    QSignalSpy logged(&choice, &PortChoice::logged);
    choice.ScanPorts();
    QStringList expected;
    for (int k = 1; k <= 6; ++k)
        expected << QStringLiteral("CommPort=%1").arg(k) << "PortOpen=true" << "PortOpen=false";
    QCOMPARE(comm.calls, expected);
    QVERIFY(logged.isEmpty());
}

void TestPortChoice::scanToolTipsNameDeviceAndReason()
{
    FakeComm comm;
    comm.openable = {3};
    FakeOptions options;
    PortChoice(comm, options).ScanPorts();
    QCOMPARE(options.tips[3], QStringLiteral("FAKE3"));
    QCOMPARE(options.tips[1], QStringLiteral("FAKE1: zařízení neexistuje"));
}

void TestPortChoice::choosingClosesBeforeReopening()
{
    FakeComm comm;
    FakeOptions options;
    PortChoice choice(comm, options);
    choice.ScanPorts();
    comm.calls.clear();

    options.select(2);
    choice.SelectPort();
    QCOMPARE(comm.calls, (QStringList{"CommPort=2", "PortOpen=true", "RTSEnable=true"}));
    QVERIFY(comm.PortOpen());
    QVERIFY(comm.rts());

    comm.calls.clear();
    options.select(4);
    choice.SelectPort();
    QCOMPARE(comm.calls, (QStringList{"PortOpen=false", "CommPort=4", "PortOpen=true", "RTSEnable=true"}));

    comm.calls.clear();
    choice.SelectPort(); // the same option clicked again
    QCOMPARE(comm.calls, (QStringList{"PortOpen=false", "CommPort=4", "PortOpen=true", "RTSEnable=true"}));
    QVERIFY(comm.PortOpen());
    QCOMPARE(comm.CommPort(), 4);
}

void TestPortChoice::failedOpenIsLoggedAndSurvived()
{
    FakeComm comm;
    FakeOptions options;
    PortChoice choice(comm, options);
    QSignalSpy log(&choice, &PortChoice::logged);
    choice.ScanPorts();

    comm.openable.remove(4); // taken by another program since start-up
    options.select(4);
    choice.SelectPort();
    QCOMPARE(log.size(), 1);
    QCOMPARE(log.at(0).at(0).toString(), "Port COM4 nelze otevřít: zařízení neexistuje");
    QVERIFY(!comm.PortOpen());
    QVERIFY(!comm.calls.contains("RTSEnable=true"));

    comm.calls.clear();
    options.select(2);
    choice.SelectPort();
    QCOMPARE(comm.calls, (QStringList{"CommPort=2", "PortOpen=true", "RTSEnable=true"}));
    QCOMPARE(log.size(), 1);
}

void TestPortChoice::missingRtsLineIsNoFailure()
{
    FakeComm comm;
    comm.withoutRts = {5};
    FakeOptions options;
    PortChoice choice(comm, options);
    QSignalSpy log(&choice, &PortChoice::logged);
    options.select(5);
    choice.SelectPort();
    QVERIFY(comm.PortOpen());
    QVERIFY(log.isEmpty());
}

QTEST_APPLESS_MAIN(TestPortChoice)
#include "tst_portchoice.moc"
