#include "SerialComm.h"

#include <QFileInfo>
#include <QScopedValueRollback>

SerialComm::SerialComm(QObject *parent)
    : QObject(parent)
{
    // A device that vanishes mid-transfer is closed, so that the steps that
    // follow fail cleanly instead of writing into a dead handle. Besides a
    // pulled-out USB adapter (ResourceError) this is any error the port raises
    // on its own, outside our calls: a hung-up line (a pseudo-terminal whose
    // peer went away) reads as end of file, which QSerialPort reports with
    // whatever error code was left over, again on every event-loop pass.
    connect(&m_port, &QSerialPort::errorOccurred, this,
                     [this](QSerialPort::SerialPortError error) {
                         const bool fatal = error == QSerialPort::ResourceError
                                            || (error != QSerialPort::NoError && !m_inCall);
                         if (fatal && m_port.isOpen()) {
                             m_reason = reasonFor(QSerialPort::ResourceError);
                             closePort();
                             emit closedOnItsOwn(m_reason);
                         }
                     });
}

SerialComm::~SerialComm()
{
    if (m_port.isOpen())
        closePort();
}

QString SerialComm::deviceFor(int number)
{
    const QByteArray variable = "VRK04_COM" + QByteArray::number(number);
    if (qEnvironmentVariableIsSet(variable.constData()))
        return qEnvironmentVariable(variable.constData());
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(number);
#else
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

bool SerialComm::setPortOpen(bool open)
{
    const QScopedValueRollback inCall(m_inCall, true);
    if (!open) {
        if (!m_port.isOpen())
            return fail(QStringLiteral("port není otevřen"));
        closePort();
        return true;
    }
    if (m_port.isOpen())
        return fail(QStringLiteral("port je již otevřen"));
    // One device under two names (a by-id link and ttyUSB0) must get one lock.
    m_port.setPortName(PortPlatform::deviceBehind(deviceName()));
    if (!m_port.open(QIODevice::ReadWrite))
        return fail(reasonFor(m_port.error()));
    m_platform.tune(m_port);
    const bool configured = m_port.setBaudRate(BaudRate) && m_port.setDataBits(QSerialPort::Data8)
                            && m_port.setParity(QSerialPort::NoParity)
                            && m_port.setStopBits(QSerialPort::OneStop)
                            && m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        const QString reason = reasonFor(m_port.error());
        closePort();
        return fail(reason);
    }
    m_port.clear();
    return true;
}

bool SerialComm::setRTSEnable(bool on)
{
    const QScopedValueRollback inCall(m_inCall, true);
    if (!m_port.isOpen())
        return fail(QStringLiteral("port není otevřen"));
    if (!m_port.setRequestToSend(on))
        return fail(QStringLiteral("zařízení nemá linku RTS"));
    return true;
}

std::optional<QByteArray> SerialComm::Input()
{
    if (!m_port.isOpen()) {
        fail(QStringLiteral("port není otevřen"));
        return std::nullopt;
    }
    return m_port.readAll();
}

void SerialComm::discardInput()
{
    const QScopedValueRollback inCall(m_inCall, true);
    if (m_port.isOpen())
        m_port.clear(QSerialPort::Input);
}

bool SerialComm::Output(const QByteArray &bytes)
{
    const QScopedValueRollback inCall(m_inCall, true);
    if (!m_port.isOpen())
        return fail(QStringLiteral("port není otevřen"));
    if (m_port.write(bytes) != bytes.size())
        return fail(reasonFor(m_port.error()));
    // Hand the bytes to the driver now rather than at the next event-loop pass.
    m_port.flush();
    return true;
}

void SerialComm::closePort()
{
    m_platform.restore(m_port);
    m_port.close();
}

bool SerialComm::fail(const QString &reason)
{
    m_reason = reason;
    return false;
}

QString SerialComm::reasonFor(QSerialPort::SerialPortError error) const
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return QStringLiteral("zařízení neexistuje");
    case QSerialPort::PermissionError: {
        // Qt reports a port locked by another program as a permission error too.
        const QFileInfo device(m_port.portName().startsWith(u'/') ? m_port.portName()
                                                                   : deviceName());
#ifdef Q_OS_WIN
        // Windows lets one program at a time open a port, and denies any
        // other access; a folder is denied the same way.
        if (device.isDir())
            return systemReason();
#else
        if (device.exists() && !(device.isReadable() && device.isWritable()))
            return QStringLiteral("přístup odepřen (přidejte uživatele do skupiny dialout)");
#endif
        return QStringLiteral("port používá jiný program");
    }
    case QSerialPort::OpenError:
        return QStringLiteral("port používá jiný program");
    case QSerialPort::ResourceError:
#ifdef Q_OS_WIN
        // Windows refuses the port calls on a device that is no serial port
        // (NUL, a printer) as on an invalid handle, while it is being opened.
        if (!m_port.isOpen())
            return systemReason(NotSerial::Yes);
#endif
        return QStringLiteral("zařízení bylo odpojeno");
    default:
        return systemReason();
    }
}

// The system's own words for the common cases, in Czech; anything else as
// the system says it.
QString SerialComm::systemReason(NotSerial notSerial) const
{
    const QFileInfo device(deviceName());
    const QString text = m_port.errorString();
    if (device.isDir())
        return QStringLiteral("je to složka, ne sériové zařízení");
    if (notSerial == NotSerial::Yes || text.contains(QLatin1String("Inappropriate ioctl")) || device.isFile())
        return QStringLiteral("není sériové zařízení");
    if (text.contains(QLatin1String("No such device")) || text.contains(QLatin1String("No such file")))
        return QStringLiteral("zařízení neexistuje");
    return QStringLiteral("chyba portu: %1").arg(text);
}
