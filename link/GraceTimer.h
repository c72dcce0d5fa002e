#pragma once

#include "LinkTimer.h"

#include <QObject>

class QIODevice;
class QTimer;

// LinkTimer over the single-shot Timer1 and the port's device. A tick comes
// no earlier than the armed interval. When the device is open but nothing has
// arrived by then, the same timer waits up to the grace period for the
// device's readyRead, and the tick comes as soon as a byte is in or the grace
// is over. With the device closed there is no grace.
class GraceTimer : public QObject, public LinkTimer
{
    Q_OBJECT

public:
    GraceTimer(QTimer &timer, QIODevice &device, QObject *parent = nullptr);

    void arm(int intervalMs, int graceMs) override;
    void disarm() override;
    bool isArmed() const override;

signals:
    // Every tick; the link passes it on to LinkProtocol::TimerTick.
    void ticked();

private:
    void timerElapsed();
    void dataArrived();
    void fire();

    QTimer &m_timer;
    QIODevice &m_device;
    int m_graceMs = 0;
    bool m_inGrace = false;
};
