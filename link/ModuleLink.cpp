#include "ModuleLink.h"

#include "PortChoice.h"

#include <QRegularExpression>

ModuleLink::ModuleLink(QObject *parent)
    : QObject(parent)
    , m_comm(this)
    , m_timer1(this)
    , m_ticker(m_timer1, m_comm.serialPort(), this)
    , m_config(this)
    , m_protocol(m_comm, m_ticker, m_config, this)
{
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    connect(&m_ticker, &GraceTimer::ticked, &m_protocol, &LinkProtocol::TimerTick);
    connect(&m_protocol, &LinkProtocol::logged, this, &ModuleLink::logged);
    connect(&m_protocol, &LinkProtocol::progressChanged, this, &ModuleLink::progressChanged);
    connect(&m_protocol, &LinkProtocol::operationEnded, this, &ModuleLink::operationEnded);
}

bool ModuleLink::openPort(const QString &portOrDevice, QString *reason)
{
    static const QRegularExpression comName(QStringLiteral("^COM([1-9])$"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (m_comm.PortOpen())
        m_comm.setPortOpen(false);
    const QRegularExpressionMatch match = comName.match(portOrDevice);
    const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
    if (number >= 1 && number <= PortChoice::PortCount) {
        m_comm.useDevice({});
        m_comm.setCommPort(number);
    } else {
        m_comm.useDevice(portOrDevice);
    }
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

bool ModuleLink::isBusy() const
{
    return m_protocol.isBusy();
}
