// SPDX-License-Identifier: MIT
// The serial port's reasons for not opening, in Czech, for paths that are no
// serial device, and one device under two names.
#include "SerialComm.h"
#ifdef Q_OS_UNIX
#include "SpareTerminal.h"
#endif

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

class TestSerialComm : public QObject
{
    Q_OBJECT

private slots:
    void reasonForNoSerialDevice_data();
    void reasonForNoSerialDevice();
#ifdef Q_OS_UNIX
    void secondOpeningThroughAnAliasIsRefused_data();
    void secondOpeningThroughAnAliasIsRefused();
#endif
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

#ifdef Q_OS_UNIX
void TestSerialComm::secondOpeningThroughAnAliasIsRefused_data()
{
    QTest::addColumn<QString>("typed"); // the alias as typed, in the alias's folder
    QTest::newRow("absolute link") << QStringLiteral("%1/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    QTest::newRow("relative link") << QStringLiteral("./usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
}

// A /dev/serial/by-id link and ttyUSB0 are one adapter: the second opening
// finds it held, also for root, however the link is typed.
void TestSerialComm::secondOpeningThroughAnAliasIsRefused()
{
    QFETCH(QString, typed);
    SpareTerminal pty;
    QTemporaryDir dir;
    QVERIFY(pty.isValid() && dir.isValid());
    QVERIFY(QFile::link(pty.path(), dir.filePath(QStringLiteral("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"))));
    const QString current = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const auto back = qScopeGuard([&] { QDir::setCurrent(current); });

    SerialComm first;
    SerialComm second;
    first.useDevice(pty.path());
    second.useDevice(typed.arg(dir.path()));
    QVERIFY(first.setPortOpen(true));
    QVERIFY(!second.setPortOpen(true));
    QCOMPARE(second.failureReason(), QStringLiteral("port používá jiný program"));
    QVERIFY(first.setPortOpen(false));
    QVERIFY(second.setPortOpen(true));
}
#endif

QTEST_GUILESS_MAIN(TestSerialComm)
#include "tst_serialcomm.moc"
