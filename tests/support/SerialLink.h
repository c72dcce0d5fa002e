#pragma once

#include "Configuration.h"
#include "GraceTimer.h"
#include "LinkProtocol.h"
#include "SerialComm.h"

#include <QEventLoop>
#include <QFile>
#include <QStringList>
#include <QTimer>

// The link as the main window wires it, without the window: the real serial
// port, Timer1 behind GraceTimer, the configuration and the protocol engine,
// with the status log kept as a list. The port is COM1, mapped to a device.
class SerialLink
{
public:
    SerialComm comm;
    QTimer Timer1;
    GraceTimer timer{Timer1, comm.serialPort()};
    Configuration config;
    LinkProtocol link{comm, timer, config};
    QStringList log;
    int ended = 0; // operations ended so far

    SerialLink()
    {
        timer.tick = [this] { link.TimerTick(); };
        link.LogStatus = [this](const QString &message) { log << message; };
        link.OperationEnded = [this] {
            ++ended;
            m_waiting.quit();
        };
        config.ResetTable();
    }

    // Opens device (such as the simulator's pseudo-terminal) as COM1.
    bool open(const QString &device)
    {
        qputenv("VRK04_COM1", QFile::encodeName(device));
        comm.setCommPort(1);
        return comm.setPortOpen(true);
    }

    // Runs the event loop until count operations have ended in all. Unlike
    // QTRY_*, whose waits sleep 10 ms between event-loop passes, this keeps
    // the ticks on their real pace. The default timeout is generous: a busy
    // two-core machine may run a 2.5 s transfer many times slower.
    [[nodiscard]] bool waitForEnd(int count, int timeoutMs = 120000)
    {
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, &m_waiting, &QEventLoop::quit);
        deadline.start(timeoutMs);
        while (ended < count && deadline.isActive())
            m_waiting.exec();
        return ended >= count;
    }

private:
    QEventLoop m_waiting;
};
