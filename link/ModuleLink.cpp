// SPDX-License-Identifier: MIT
#include "ModuleLink.h"

#include "LinkText.h"
#include "PortChoice.h"

#include <QRegularExpression>

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

bool ModuleLink::openPort(const QString &portOrDevice, QString *reason)
{
    static const QRegularExpression comName(QStringLiteral("^COM([1-9])$"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (m_comm.PortOpen())
        m_comm.setPortOpen(false);
    const QRegularExpressionMatch match = comName.match(portOrDevice);
    const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
    if (number >= 1 && number <= PortChoice::PortCount)
        m_comm.setCommPort(number);
    else
        m_comm.useDevice(portOrDevice);
    if (!m_comm.setPortOpen(true)) {
        if (reason)
            *reason = m_comm.failureReason();
        return false;
    }
    const bool rts = m_comm.setRTSEnable(true);
    if (reason)
        *reason = rts ? QString() : m_comm.failureReason();
    return true;
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
