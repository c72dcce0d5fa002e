// SPDX-License-Identifier: MIT
#pragma once

#include "LinkTimer.h"
#include "TimerResolution.h"

#include <QObject>

class QIODevice;
class QTimer;

// LinkTimer over the single-shot Timer1 and the port's device. A tick comes
// no earlier than the armed interval. When the device is open but what the
// step awaits (any byte, or a 6) has not arrived by then, the same timer waits
// up to the grace period, looking at each readyRead without taking the bytes,
// and the tick comes as soon as it is in or the grace is over. With the device
// closed there is no grace.
class GraceTimer : public QObject, public LinkTimer
{
    Q_OBJECT

public:
    GraceTimer(QTimer &timer, QIODevice &device, QObject *parent = nullptr);

    void arm(int intervalMs, int graceMs, Awaiting awaiting) override;
    void disarm() override;
    bool isArmed() const override;

    // The system timer runs at its finest from the first arm() of an
    // operation until the timer is found disarmed after an event (Windows only).
    const TimerResolution &resolution() const { return m_resolution; }

signals:
    // Every tick; the link passes it on to LinkProtocol::TimerTick.
    void ticked();

private:
    void timerElapsed();
    void dataArrived();
    void fire();
    bool awaitedIsIn();

    QTimer &m_timer;
    QIODevice &m_device;
    int m_graceMs = 0;
    Awaiting m_awaiting = Awaiting::AnyByte;
    bool m_inGrace = false;
    TimerResolution m_resolution;
};
