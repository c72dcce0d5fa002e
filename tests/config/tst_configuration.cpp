// SPDX-License-Identifier: MIT
// Configuration's operations: what each changes and the signals it sends.
#include "ConfigImage.h"
#include "Configuration.h"
#include "TestTexts.h"

#include <QSignalSpy>
#include <QTest>

using namespace ConfigImageLayout;

namespace {

enum class Operation { Load, Receive, Reset, SetCommand, SetDefaults, Encode };

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void operation_data();
    void operation();
};

void TestConfiguration::operation_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QByteArray>("image");  // for Load and Receive
    QTest::addColumn<QString>("sms");       // for SetCommand and Encode: command 1's text
    QTest::addColumn<bool>("succeeds");
    // Signals sent: imageChanged, tableChanged, defaultStatesChanged.
    QTest::addColumn<QList<int>>("signalCounts");

    const QByteArray other = referenceResetImage();
    QTest::newRow("load") << Operation::Load << other << QString() << true << QList<int>{1, 1, 1};
    QTest::newRow("load refused: too short") << Operation::Load << other.left(714) << QString() << false
                                             << QList<int>{0, 0, 0};
    QByteArray badCode = other;
    badCode[offset(recordPos(19))] = 'A';
    QTest::newRow("read bytes that do not decode") << Operation::Receive << badCode << QString() << false
                                                   << QList<int>{1, 0, 0};
    QTest::newRow("reset") << Operation::Reset << QByteArray() << QString() << true << QList<int>{0, 1, 0};
    QTest::newRow("set a row") << Operation::SetCommand << QByteArray() << "NOVÝ" << true << QList<int>{0, 1, 0};
    QTest::newRow("set the default states") << Operation::SetDefaults << QByteArray() << QString() << true
                                            << QList<int>{0, 0, 1};
    QTest::newRow("encode") << Operation::Encode << QByteArray() << "NOVÝ" << true << QList<int>{1, 0, 0};
    QTest::newRow("encode refused") << Operation::Encode << QByteArray() << QString(33, u'x') << false
                                    << QList<int>{0, 0, 0};
}

void TestConfiguration::operation()
{
    QFETCH(Operation, operation);
    QFETCH(QByteArray, image);
    QFETCH(QString, sms);
    QFETCH(bool, succeeds);
    QFETCH(QList<int>, signalCounts);

    Configuration config;
    QVERIFY(config.ImageToTable(referenceTextImage())); // unlike the empty table
    if (operation == Operation::Encode) {
        CommandTable::Row row = config.CommandTable().row(0);
        row[CommandTable::SmsText] = sms;
        config.setCommand(0, row);
    }
    const QByteArray imageBefore = config.ConfigImage();
    const CommandTable tableBefore = config.CommandTable();
    const DefaultStates statesBefore = config.defaultStates();
    QSignalSpy images(&config, &Configuration::imageChanged);
    QSignalSpy tables(&config, &Configuration::tableChanged);
    QSignalSpy states(&config, &Configuration::defaultStatesChanged);

    bool ok = true;
    switch (operation) {
    case Operation::Load:
        ok = config.ImageToTable(image);
        break;
    case Operation::Receive:
        ok = config.receiveImage(image);
        break;
    case Operation::Reset:
        config.ResetTable();
        break;
    case Operation::SetCommand:
        config.setCommand(0, {sms, "RELE2", "ZMENA", "7", "NE"});
        break;
    case Operation::SetDefaults:
        config.setDefaultStates({false, false, true, true, true});
        break;
    case Operation::Encode:
        ok = config.TableToImage();
        break;
    }
    QCOMPARE(ok, succeeds);
    QCOMPARE((QList<int>{int(images.size()), int(tables.size()), int(states.size())}), signalCounts);
    // What did not signal did not change.
    if (images.isEmpty())
        QCOMPARE(config.ConfigImage(), imageBefore);
    if (tables.isEmpty())
        QVERIFY(config.CommandTable() == tableBefore);
    if (states.isEmpty())
        QCOMPARE(config.defaultStates(), statesBefore);

    if (operation == Operation::Load && succeeds) {
        QCOMPARE(config.ConfigImage(), image);
        QVERIFY(config.CommandTable() == CommandTable::emptyTable());
        QCOMPARE(config.DefaultStateByte1(), quint8(image.at(offset(DefaultStateByte1Pos))));
    }
}

QTEST_APPLESS_MAIN(TestConfiguration)
#include "tst_configuration.moc"
