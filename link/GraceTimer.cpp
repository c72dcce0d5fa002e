#include "GraceTimer.h"

#include <QSerialPort>
#include <QTimer>

GraceTimer::GraceTimer(QTimer &timer, QSerialPort &port)
    : m_timer(timer)
    , m_port(port)
{
    m_timer.stop();
    m_timer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early; a step must never come early.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timeout = QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { timerElapsed(); });
    m_readyRead = QObject::connect(&m_port, &QSerialPort::readyRead, &m_timer, [this] { dataArrived(); });
}

GraceTimer::~GraceTimer()
{
    QObject::disconnect(m_timeout);
    QObject::disconnect(m_readyRead);
}

void GraceTimer::arm(int intervalMs, int graceMs)
{
    m_inGrace = false;
    m_graceMs = m_port.isOpen() ? qMax(graceMs, 0) : 0;
    m_timer.start(qMax(intervalMs, 0));
}

void GraceTimer::disarm()
{
    m_inGrace = false;
    m_timer.stop();
}

bool GraceTimer::isArmed() const
{
    return m_timer.isActive();
}

void GraceTimer::timerElapsed()
{
    if (!m_inGrace && m_graceMs > 0 && m_port.isOpen() && m_port.bytesAvailable() == 0) {
        m_inGrace = true;
        m_timer.start(m_graceMs);
        return;
    }
    fire();
}

void GraceTimer::dataArrived()
{
    if (!m_inGrace)
        return;
    m_timer.stop();
    fire();
}

void GraceTimer::fire()
{
    m_inGrace = false;
    if (tick)
        tick();
}
