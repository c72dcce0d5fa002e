// SPDX-License-Identifier: MIT
// The session after reads, opens, edits, saves and writes against the module
// simulator: the configuration's origin, and "differs from kept" by comparison.
#include "ImageCodec.h"
#include "Session.h"
#include "SimulatorProcess.h"
#include "TableEdit.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>

using Kind = Session::Origin::Kind;

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void originAndDifference_data();
    void originAndDifference();
};

namespace {

// Runs one operation and waits in a real event loop for its end.
bool perform(Session &session, void (Session::*start)())
{
    QEventLoop loop;
    bool succeeded = false;
    QObject::connect(&session.link(), &ModuleLink::operationEnded, &loop,
                     [&](ModuleLink::Operation, ModuleLink::Outcome outcome) {
                         succeeded = outcome == ModuleLink::Outcome::Succeeded;
                         loop.quit();
                     });
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    (session.*start)();
    loop.exec();
    return succeeded;
}

} // namespace

void TestSession::originAndDifference_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<Kind>("origin");
    QTest::addColumn<bool>("differs");

    QTest::newRow("start") << "" << Kind::Factory << false;
    QTest::newRow("edit") << "edit" << Kind::Factory << true;
    QTest::newRow("edit, edited back") << "edit undo" << Kind::Factory << false;
    QTest::newRow("open") << "open" << Kind::File << false;
    QTest::newRow("open, edit") << "open edit" << Kind::File << true;
    QTest::newRow("open, edit, save") << "open edit save" << Kind::File << false;
    QTest::newRow("read") << "read" << Kind::Module << false;
    QTest::newRow("read, edit") << "read edit" << Kind::Module << true;
    QTest::newRow("open, edit, read") << "open edit read" << Kind::Module << false;
    QTest::newRow("edit, write") << "edit write" << Kind::Factory << false;
    QTest::newRow("read, edit, write") << "read edit write" << Kind::Module << false;
}

void TestSession::originAndDifference()
{
    QFETCH(QString, steps);
    QFETCH(Kind, origin);
    QFETCH(bool, differs);

    SimulatorProcess sim;
    QVERIFY(sim.start());
    Session session;
    Configuration &config = session.configuration();
    config.ResetTable();
    session.keepAsFactory();
    QVERIFY(session.link().openPort(sim.devicePath()));
    const QString file = QStringLiteral("/tmp/golden.json");
    QString before;

    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        if (step == u"read") {
            QVERIFY(perform(session, &Session::read));
            QCOMPARE(session.origin().port, sim.devicePath());
            QVERIFY(session.origin().time.isValid());
        } else if (step == u"write") {
            QVERIFY(perform(session, &Session::write));
        } else if (step == u"open") {
            QVERIFY(config.ImageToTable(encodeImage(CommandTable::emptyTable(), 0x35, 0x3E).image));
            session.keepFile(file);
        } else if (step == u"save") {
            session.keepFile(file);
        } else if (step == u"edit") {
            before = config.CommandTable().cell(3, CommandTable::SmsText);
            setCell(config, 3, CommandTable::SmsText, QStringLiteral("BRÁNA"));
        } else if (step == u"undo") {
            setCell(config, 3, CommandTable::SmsText, before);
        }
    }

    QCOMPARE(session.origin().kind, origin);
    if (origin == Kind::File)
        QCOMPARE(session.origin().file, file);
    QCOMPARE(session.differsFromKept(), differs);
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
