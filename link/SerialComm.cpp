// SPDX-License-Identifier: MIT
#include "SerialComm.h"

#include "LinkTrace.h"

#include <QFileInfo>
#include <QScopedValueRollback>

SerialComm::SerialComm(QObject *parent)
    : QObject(parent)
{
    // A device that vanishes mid-transfer is closed, so that the steps that
    // follow fail cleanly instead of writing into a dead handle. Besides a
    // pulled-out USB adapter (ResourceError or PermissionError, as the driver
    // has it, also inside our own calls) this is any error the port raises
    // on its own, outside our calls: a hung-up line (a pseudo-terminal whose
    // peer went away) reads as end of file, which QSerialPort reports with
    // whatever error code was left over, again on every event-loop pass.
    // A port that does not open is not open here, so a lock refused while
    // opening never counts.
    connect(&m_port, &QSerialPort::errorOccurred, this,
                     [this](QSerialPort::SerialPortError error) {
                         const bool fatal = error == QSerialPort::ResourceError
                                            || error == QSerialPort::PermissionError
                                            || (error != QSerialPort::NoError && !m_inCall);
                         if (fatal && m_port.isOpen()) {
                             fail(Problem::Disconnected);
                             closePort();
                             emit closedOnItsOwn(failureReason());
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
            return fail(Problem::NotOpen);
        closePort();
        return true;
    }
    if (m_port.isOpen())
        return fail(Problem::AlreadyOpen);
    // One device under two names (a by-id link and ttyUSB0) must get one lock.
    m_port.setPortName(PortPlatform::deviceBehind(deviceName()));
    if (!m_port.open(QIODevice::ReadWrite))
        return fail(problemFor(m_port.error()));
    m_platform.tune(m_port);
    const bool configured = m_port.setBaudRate(BaudRate) && m_port.setDataBits(QSerialPort::Data8)
                            && m_port.setParity(QSerialPort::NoParity)
                            && m_port.setStopBits(QSerialPort::OneStop)
                            && m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        const Problem problem = problemFor(m_port.error());
        closePort();
        return fail(problem);
    }
    // No flush here: the scan opens every mapped device, which may belong to
    // someone else; the protocol empties the input before each exchange.
    return true;
}

bool SerialComm::setRTSEnable(bool on)
{
    const QScopedValueRollback inCall(m_inCall, true);
    if (!m_port.isOpen())
        return fail(Problem::NotOpen);
    if (!m_port.setRequestToSend(on))
        return fail(Problem::NoRtsLine);
    return true;
}

std::optional<QByteArray> SerialComm::Input()
{
    if (!m_port.isOpen()) {
        fail(Problem::NotOpen);
        return std::nullopt;
    }
    QByteArray bytes = m_port.readAll();
    if (m_trace && !bytes.isEmpty())
        m_trace->received(bytes);
    return bytes;
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
        return fail(Problem::NotOpen);
    if (m_trace)
        m_trace->sent(bytes);
    if (m_port.write(bytes) != bytes.size())
        return fail(problemFor(m_port.error()));
    // Hand the bytes to the driver now rather than at the next event-loop pass.
    m_port.flush();
    return true;
}

void SerialComm::closePort()
{
    if (!m_port.isOpen())
        return; // closed already when the device went away
    m_platform.restore(m_port);
    m_port.close();
}

bool SerialComm::fail(Problem problem)
{
    m_problem = problem;
    m_systemText = m_port.errorString();
    return false;
}

QString SerialComm::failureReason() const
{
    return LinkText::portProblem(m_problem, m_systemText);
}

SerialComm::Problem SerialComm::problemFor(QSerialPort::SerialPortError error) const
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return Problem::NoDevice;
    case QSerialPort::PermissionError: {
        // Qt reports a port locked by another program as a permission error too.
        const QFileInfo device(m_port.portName().startsWith(u'/') ? m_port.portName()
                                                                   : deviceName());
#ifdef Q_OS_WIN
        // Windows lets one program at a time open a port, and denies any
        // other access; a folder is denied the same way.
        if (device.isDir())
            return systemProblem();
#else
        if (device.exists() && !(device.isReadable() && device.isWritable()))
            return Problem::AccessDenied;
#endif
        return Problem::InUse;
    }
    case QSerialPort::OpenError:
        return Problem::InUse;
    case QSerialPort::ResourceError:
#ifdef Q_OS_WIN
        // Windows refuses the port calls on a device that is no serial port
        // (NUL, a printer) as on an invalid handle, while it is being opened.
        if (!m_port.isOpen())
            return systemProblem(NotSerial::Yes);
#endif
        return Problem::Disconnected;
    default:
        return systemProblem();
    }
}

// The common cases of the system's own words; anything else as the system
// says it.
SerialComm::Problem SerialComm::systemProblem(NotSerial notSerial) const
{
    const QFileInfo device(deviceName());
    const QString text = m_port.errorString();
    if (device.isDir())
        return Problem::Folder;
    if (notSerial == NotSerial::Yes || text.contains(QLatin1String("Inappropriate ioctl")) || device.isFile())
        return Problem::NotSerial;
    if (text.contains(QLatin1String("No such device")) || text.contains(QLatin1String("No such file")))
        return Problem::NoDevice;
    return Problem::Other;
}
