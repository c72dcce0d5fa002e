// The serial port's reasons for not opening, in Czech, for paths that are no
// serial device.
#include "SerialComm.h"

#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

class TestSerialComm : public QObject
{
    Q_OBJECT

private slots:
    void reasonForNoSerialDevice_data();
    void reasonForNoSerialDevice();
};

void TestSerialComm::reasonForNoSerialDevice_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");

    QTest::newRow("a directory") << QStringLiteral("directory") << QStringLiteral("je to složka, ne sériové zařízení");
    QTest::newRow("a file") << QStringLiteral("file") << QStringLiteral("není sériové zařízení");
#ifdef Q_OS_WIN
    QTest::newRow("a device that is no serial port") << QStringLiteral("NUL")
                                                     << QStringLiteral("není sériové zařízení");
    QTest::newRow("no such port") << QStringLiteral("COM99") << QStringLiteral("zařízení neexistuje");
#else
    QTest::newRow("a character device that is no terminal") << QStringLiteral("/dev/null")
                                                            << QStringLiteral("není sériové zařízení");
    QTest::newRow("no such device") << QStringLiteral("/nonexistent/ttyUSB9") << QStringLiteral("zařízení neexistuje");
#endif
}

void TestSerialComm::reasonForNoSerialDevice()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QTemporaryFile file;
    QVERIFY(dir.isValid() && file.open());
    const QString path = kind == u"directory" ? dir.path() : kind == u"file" ? file.fileName() : kind;

    SerialComm comm;
    comm.useDevice(path);
    QVERIFY(!comm.setPortOpen(true));
    QCOMPARE(comm.failureReason(), reason);
}

QTEST_GUILESS_MAIN(TestSerialComm)
#include "tst_serialcomm.moc"
