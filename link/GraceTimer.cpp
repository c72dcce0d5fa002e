// SPDX-License-Identifier: MIT
#include "GraceTimer.h"

#include <QIODevice>
#include <QTimer>

namespace {

// Qt's own event dispatcher keeps sub-millisecond timer precision; the GLib
// one rounds every wait up to whole milliseconds, which doubles the time of a
// transfer paced by one-millisecond ticks. Every program that paces a link
// with this timer selects it, before its application object exists.
void selectPreciseDispatcher()
{
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
}
Q_CONSTRUCTOR_FUNCTION(selectPreciseDispatcher)

} // namespace

GraceTimer::GraceTimer(QTimer &timer, QIODevice &device, QObject *parent)
    : QObject(parent)
    , m_timer(timer)
    , m_device(device)
{
    m_timer.stop();
    m_timer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early; a step must never come early.
    // Qt serves a precise timer on Windows with a multimedia timer of 1 ms
    // resolution, on other systems to the millisecond.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &GraceTimer::timerElapsed);
    connect(&m_device, &QIODevice::readyRead, this, &GraceTimer::dataArrived);
}

void GraceTimer::arm(int intervalMs, int graceMs, Awaiting awaiting)
{
    m_inGrace = false;
    m_awaiting = awaiting;
    m_graceMs = m_device.isOpen() ? qMax(graceMs, 0) : 0;
    m_resolution.raise();
    m_timer.start(qMax(intervalMs, 0));
}

void GraceTimer::disarm()
{
    m_inGrace = false;
    m_timer.stop();
    // Every tick disarms and its step arms again at once: the resolution goes
    // back only when the timer is still off after this event, at the end of
    // an operation, not between two steps.
    QMetaObject::invokeMethod(this, [this] {
        if (!m_timer.isActive())
            m_resolution.release();
    }, Qt::QueuedConnection);
}

bool GraceTimer::isArmed() const
{
    return m_timer.isActive();
}

void GraceTimer::timerElapsed()
{
    if (!m_inGrace && m_graceMs > 0 && m_device.isOpen() && !awaitedIsIn()) {
        m_inGrace = true;
        m_timer.start(m_graceMs);
        return;
    }
    fire();
}

void GraceTimer::dataArrived()
{
    if (!m_inGrace || !awaitedIsIn())
        return;
    m_timer.stop();
    fire();
}

bool GraceTimer::awaitedIsIn()
{
    if (m_awaiting == Awaiting::AnyByte)
        return m_device.bytesAvailable() > 0;
    return m_device.peek(m_device.bytesAvailable()).contains(AcknowledgementByte);
}

void GraceTimer::fire()
{
    m_inGrace = false;
    emit ticked();
}
