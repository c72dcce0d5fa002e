#pragma once

#include "LinkTimer.h"

#include <QMetaObject>
#include <functional>

class QSerialPort;
class QTimer;

// LinkTimer over the main window's single-shot Timer1 and the serial port.
// A tick comes no earlier than the armed interval. When the port is open but
// nothing has arrived by then, the same timer waits up to the grace period
// for the port's readyRead, and the tick comes as soon as a byte is in or
// the grace is over. With the port closed there is no grace.
class GraceTimer : public LinkTimer
{
public:
    GraceTimer(QTimer &timer, QSerialPort &port);
    ~GraceTimer() override;

    GraceTimer(const GraceTimer &) = delete;
    GraceTimer &operator=(const GraceTimer &) = delete;

    void arm(int intervalMs, int graceMs) override;
    void disarm() override;
    bool isArmed() const override;

    // Receives every tick; the main window passes it on to LinkProtocol::TimerTick.
    std::function<void()> tick;

private:
    void timerElapsed();
    void dataArrived();
    void fire();

    QTimer &m_timer;
    QSerialPort &m_port;
    int m_graceMs = 0;
    bool m_inGrace = false;
    QMetaObject::Connection m_timeout;
    QMetaObject::Connection m_readyRead;
};
