// SPDX-License-Identifier: MIT
// The serial ports as the window lists them and the tool reports them, from
// made-up port records: the entry texts, and the by-id names matched to
// their devices.
#include "PortCatalog.h"
#include "PortName.h"

#include <QTest>

namespace {

PortRecord port(const QString &device, const QString &description = {}, const QString &manufacturer = {},
                const QString &serialNumber = {}, int vendorId = -1, int productId = -1)
{
    PortRecord record;
    record.device = device;
    record.description = description;
    record.manufacturer = manufacturer;
    record.serialNumber = serialNumber;
    record.vendorId = vendorId;
    record.productId = productId;
    return record;
}

} // namespace

class TestPortCatalog : public QObject
{
    Q_OBJECT

private slots:
    void entriesAndByIdNames();
    void namesAsTyped_data();
    void namesAsTyped();
};

// Two adapters, one with two links and no serial number; a link to a device
// the system does not list; a built-in port, one known only by its
// description and a Windows port, without links.
void TestPortCatalog::entriesAndByIdNames()
{
    const QString byId = QStringLiteral("/dev/serial/by-id/");
    QList<PortRecord> records{port("/dev/ttyUSB0", "FT232R USB UART", "FTDI", "A50285BI", 0x0403, 0x6001),
                              port("/dev/ttyS0"),
                              port("/dev/ttyUSB1", "CP2102", "Silicon Labs", {}, 0x10c4, 0xea60),
                              port("/dev/ttyACM0", "USB-Serial Controller"), port("COM7", "USB Serial Port", "FTDI")};
    const QHash<QString, QString> links{
        {byId + "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "/dev/ttyUSB0"},
        {byId + "usb-Silicon_Labs_CP2102_0001-if00-port0", "/dev/ttyUSB1"},
        {byId + "usb-Silicon_Labs_CP2102_0001-if00", "/dev/ttyUSB1"},
        {byId + "usb-Prolific_PL2303-if00-port0", "/dev/ttyUSB7"},
    };
    PortCatalog::attachByIdNames(records, links);

    const QList<PortEntry> entries = PortCatalog::entries(records);
    QStringList shown;
    for (const PortEntry &entry : entries)
        shown << entry.text + QStringLiteral(" = ") + entry.path;
    QCOMPARE(shown, (QStringList{
                        "ttyUSB0 – FT232R USB UART (FTDI, A50285BI) = /dev/ttyUSB0",
                        "ttyS0 = /dev/ttyS0",
                        "ttyUSB1 – CP2102 (Silicon Labs) = /dev/ttyUSB1",
                        "ttyACM0 – USB-Serial Controller = /dev/ttyACM0",
                        "COM7 – USB Serial Port (FTDI) = COM7",
                        "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0 → ttyUSB0 = " + byId
                            + "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
                        "usb-Silicon_Labs_CP2102_0001-if00 → ttyUSB1 = " + byId + "usb-Silicon_Labs_CP2102_0001-if00",
                    }));
    QCOMPARE(PortCatalog::report(records),
             "USB\t/dev/ttyUSB0\t" + byId + "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0\tFT232R USB UART\tFTDI\tA50285BI\t0403:6001\n"
             "-\t/dev/ttyS0\t\t\t\t\t\n"
             "USB\t/dev/ttyUSB1\t" + byId + "usb-Silicon_Labs_CP2102_0001-if00\tCP2102\tSilicon Labs\t\t10c4:ea60\n"
             "-\t/dev/ttyACM0\t\tUSB-Serial Controller\t\t\t\n"
             "-\tCOM7\t\tUSB Serial Port\tFTDI\t\t\n");
}

void TestPortCatalog::namesAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");

    QTest::newRow("lower case") << "com3" << "COM3" << 3;
    QTest::newRow("mixed case") << "Com3" << "COM3" << 3;
    QTest::newRow("spaces around") << " COM3 " << "COM3" << 3;
    QTest::newRow("device namespace") << "\\\\.\\COM12" << "COM12" << 12;
    QTest::newRow("highest") << "com256" << "COM256" << 256;
    QTest::newRow("beyond Windows' ports") << "COM257" << "COM257" << 0;
    QTest::newRow("COM0") << "COM0" << "COM0" << 0;
    QTest::newRow("leading zero") << "COM03" << "COM03" << 0;
    QTest::newRow("device path, spaces trimmed") << " /dev/ttyUSB0 " << "/dev/ttyUSB0" << 0;
    QTest::newRow("path ending in a COM name") << "/tmp/COM3" << "/tmp/COM3" << 0;
}

void TestPortCatalog::namesAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(int, number);
    QCOMPARE(PortName::normalised(typed), name);
    QCOMPARE(PortName::comNumber(typed), number);
}

QTEST_GUILESS_MAIN(TestPortCatalog)
#include "tst_portcatalog.moc"
