// SPDX-License-Identifier: MIT
#pragma once

#include "SimulatedModule.h"

#include <QByteArray>
#include <QList>
#include <csignal>
#include <functional>

class PseudoTerminal;

// How fast the simulated line is: each byte spends one byte time (10 bits at
// baud) on the line in either direction, so a byte from the PC reaches the
// module one byte time after it was written, and each byte the module sends
// arrives one byte time after the line is free. latencyMs delays every answer
// further, as a USB-serial adapter's latency timer does; an answer the module
// itself holds back (Reply::delayMs) comes later still, and what it sends
// after waits for it.
struct LinePace
{
    int baud = 19200; // 0: no pacing
    double latencyMs = 0;
};

// Runs the module on the master side of a pseudo-terminal, one byte in and
// its answer out, on the pace of the line.
class PacedLine
{
public:
    PacedLine(PseudoTerminal &pty, SimulatedModule &module, LinePace pace);

    // Called when the module reports an event, before its answer goes out.
    std::function<void(SimulatedModule::Event)> onEvent;
    // Called with every byte taken from the PC.
    std::function<void(char)> onReceived;
    // Called after every wake-up, a delivered signal's included.
    std::function<void()> onWake;

    // Forgets the answers not sent yet, as a module switched off does.
    void dropPending() { m_pending.clear(); }

    // Returns when stop becomes non-zero (a signal) or the module drops the
    // line. Signals are blocked by the caller and delivered only while waiting.
    void run(const volatile std::sig_atomic_t &stop);

private:
    struct Pending
    {
        qint64 dueNs;
        QByteArray bytes;
    };

    void take(char byte, qint64 nowNs);
    void schedule(qint64 earliestNs, const QByteArray &bytes);
    void sendDue(qint64 nowNs);

    PseudoTerminal &m_pty;
    SimulatedModule &m_module;
    qint64 m_byteNs;
    qint64 m_latencyNs;
    qint64 m_inboundFreeNs = 0;
    qint64 m_outboundFreeNs = 0;
    qint64 m_lastInputNs = 0;
    QList<Pending> m_pending;
};
