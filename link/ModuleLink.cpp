// SPDX-License-Identifier: MIT
#include "ModuleLink.h"

#include "LinkText.h"
#include "PortName.h"

#include <QSerialPortInfo>

ModuleLink::ModuleLink(QObject *parent)
    : QObject(parent)
    , m_comm(this)
    , m_timer1(this)
    , m_ticker(m_timer1, m_comm.serialPort(), this)
    , m_config(this)
    , m_protocol(m_comm, m_ticker, m_config, this)
    , m_answerPace(this)
{
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_comm.setTrace(&m_trace);
    connect(this, &ModuleLink::logged, this, [this](const QString &line) { m_trace.noted(line); });
    connect(&m_protocol, &LinkProtocol::operationEnded, this,
            [this](Operation operation, Outcome outcome) { m_trace.ended(operation, outcome); });
    connect(&m_ticker, &GraceTimer::ticked, &m_protocol, &LinkProtocol::TimerTick);
    connect(&m_protocol, &LinkProtocol::logged, this, &ModuleLink::logged);
    connect(&m_protocol, &LinkProtocol::progressChanged, this, &ModuleLink::progressChanged);
    // Kept before anyone hears of the end: a verify that follows reuses the buffer.
    connect(&m_protocol, &LinkProtocol::operationEnded, this, [this](Operation operation, Outcome outcome) {
        if (operation == Operation::Write && outcome == Outcome::Succeeded)
            m_writtenImage = m_protocol.ImageBuffer();
    });
    connect(&m_protocol, &LinkProtocol::operationEnded, this, &ModuleLink::operationEnded);
    connect(&m_protocol, &LinkProtocol::progressChanged, &m_answerPace, &AnswerPace::progressed);
    connect(&m_answerPace, &AnswerPace::slow, this,
            [this](int averageMs) { emit advised(PortPlatform::latencyAdvice(averageMs)); });
    connect(&m_comm, &SerialComm::closedOnItsOwn, this, [this](const QString &reason) {
        emit logged(LinkText::status(LinkText::Status::AdapterUnplugged));
        emit logged(LinkText::portClosed(portName(), reason));
    });
}

// "COM3 (/dev/ttyS2)", "COM3" where that is the system's name (Windows), or
// the device path that was opened as it is.
QString ModuleLink::portName() const
{
    const QString device = m_comm.deviceName();
    if (m_comm.usesDevice())
        return device;
    const QString port = QStringLiteral("COM%1").arg(m_comm.CommPort());
    return device == port ? port : QStringLiteral("%1 (%2)").arg(port, device);
}

QString ModuleLink::portDescription() const
{
    const QSerialPortInfo info(m_comm.serialPort().portName());
    QStringList details;
    for (const QString &detail : {info.description(), info.manufacturer(), info.serialNumber()}) {
        if (!detail.isEmpty())
            details << detail;
    }
    return details.isEmpty() ? portName() : QStringLiteral("%1 – %2").arg(portName(), details.join(QStringLiteral(", ")));
}

bool ModuleLink::openPort(const QString &portOrDevice, QString *reason)
{
    if (m_comm.PortOpen())
        m_comm.setPortOpen(false);
    const int number = PortName::comNumber(portOrDevice);
    if (number > 0)
        m_comm.setCommPort(number);
    else
        m_comm.useDevice(PortName::normalised(portOrDevice));
    if (!m_comm.setPortOpen(true)) {
        if (reason)
            *reason = m_comm.failureReason();
        return false;
    }
    m_trace.setPort(portDescription());
    const bool rts = m_comm.setRTSEnable(true);
    if (reason)
        *reason = rts ? QString() : m_comm.failureReason();
    return true;
}

void ModuleLink::closePort()
{
    if (m_comm.PortOpen())
        m_comm.setPortOpen(false);
}

void ModuleLink::testLink()
{
    m_protocol.testLink();
}

void ModuleLink::readFromModule()
{
    m_protocol.readFromModule();
}

void ModuleLink::writeToModule()
{
    m_protocol.writeToModule();
}

void ModuleLink::writeImage(const QByteArray &image)
{
    m_protocol.writeImage(image);
}

void ModuleLink::verifyModule(const QByteArray &expected)
{
    m_protocol.verifyModule(expected);
}

bool ModuleLink::isBusy() const
{
    return m_protocol.isBusy();
}
