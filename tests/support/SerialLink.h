// SPDX-License-Identifier: MIT
#pragma once

#include "ModuleLinkInside.h"
#include "Session.h"

#include <QEventLoop>
#include <QStringList>
#include <QTimer>

// The session as every front end holds it, without a window, with the status
// log kept as a list and the link's parts under short names.
class SerialLink
{
public:
    Session session;
    ModuleLink &module = session.link();
    SerialComm &comm = ModuleLinkInside::comm(module);
    QTimer &Timer1 = ModuleLinkInside::timer1(module);
    GraceTimer &timer = ModuleLinkInside::ticker(module);
    Configuration &config = session.configuration();
    LinkProtocol &link = ModuleLinkInside::protocol(module);
    QStringList log;
    int ended = 0; // operations ended so far

    SerialLink()
    {
        QObject::connect(&module, &ModuleLink::logged, [this](const QString &message) { log << message; });
        QObject::connect(&module, &ModuleLink::advised, [this](const QString &message) { log << message; });
        QObject::connect(&module, &ModuleLink::operationEnded, [this] {
            ++ended;
            m_waiting.quit();
        });
        config.ResetTable();
    }

    // Opens device, such as the simulator's pseudo-terminal.
    bool open(const QString &device) { return module.openPort(device); }

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
