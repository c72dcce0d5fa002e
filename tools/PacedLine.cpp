// SPDX-License-Identifier: MIT
#include "PacedLine.h"

#include "PseudoTerminal.h"

#include <cerrno>
#include <signal.h>
#include <sys/select.h>
#include <time.h>
#include <unistd.h>

namespace {

// A module left half-way through an exchange forgets it after this pause.
constexpr qint64 PauseResetNs = 2'000'000'000;
// The last stretch before a byte is due is waited out on the clock: a wake-up
// from sleep may come tens of microseconds late, and a real line is exact.
constexpr qint64 SpinNs = 200'000;

qint64 nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

timespec toTimespec(qint64 ns)
{
    ns = qMax<qint64>(ns, 0);
    return timespec{time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
}

} // namespace

PacedLine::PacedLine(PseudoTerminal &pty, SimulatedModule &module, LinePace pace)
    : m_pty(pty)
    , m_module(module)
    , m_byteNs(pace.baud > 0 ? qint64(10 * 1e9 / pace.baud) : 0)
    , m_latencyNs(qint64(pace.latencyMs * 1e6))
{
}

void PacedLine::run(const volatile std::sig_atomic_t &stop)
{
    sigset_t waiting;
    sigemptyset(&waiting);
    m_lastInputNs = nowNs();
    const int fd = m_pty.master();

    while (!stop && !m_module.lineClosed()) {
        const qint64 now = nowNs();
        timespec timeout{};
        timespec *wait = nullptr;
        if (!m_pending.isEmpty()) {
            timeout = toTimespec(m_pending.first().dueNs - SpinNs - now);
            wait = &timeout;
        } else if (!m_module.idle()) {
            timeout = toTimespec(m_lastInputNs + PauseResetNs - now);
            wait = &timeout;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        const int ready = pselect(fd + 1, &readable, nullptr, nullptr, wait, &waiting);
        if (ready < 0 && errno != EINTR)
            return;

        if (onWake)
            onWake();
        const qint64 after = nowNs();
        if (ready > 0 && FD_ISSET(fd, &readable)) {
            char buffer[256];
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            for (ssize_t i = 0; i < n && !m_module.lineClosed(); ++i)
                take(buffer[i], after);
        }
        if (ready == 0 && !m_pending.isEmpty()) {
            while (nowNs() < m_pending.first().dueNs) {
            }
        }
        sendDue(nowNs());
        if (m_pending.isEmpty() && !m_module.idle() && after - m_lastInputNs >= PauseResetNs)
            m_module.abandon();
    }
}

void PacedLine::take(char byte, qint64 nowNs)
{
    m_lastInputNs = nowNs;
    if (onReceived)
        onReceived(byte);
    // The byte finishes arriving one byte time after the previous one did.
    m_inboundFreeNs = qMax(m_inboundFreeNs, nowNs) + m_byteNs;
    const SimulatedModule::Reply reply = m_module.receive(byte);
    if (reply.event != SimulatedModule::Event::None && onEvent)
        onEvent(reply.event);
    // Noise is not held back by the adapter's latency; the answer follows it.
    schedule(m_inboundFreeNs, reply.noise);
    schedule(m_inboundFreeNs + m_latencyNs + qint64(reply.delayMs) * 1'000'000, reply.bytes);
}

// The bytes go out one after another as soon as the line is free, and never
// before earliestNs.
void PacedLine::schedule(qint64 earliestNs, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    const qint64 start = qMax(earliestNs, m_outboundFreeNs);
    m_outboundFreeNs = start + m_byteNs * bytes.size();
    m_pending.append({m_outboundFreeNs, bytes});
}

void PacedLine::sendDue(qint64 nowNs)
{
    while (!m_pending.isEmpty() && m_pending.first().dueNs <= nowNs) {
        const QByteArray bytes = m_pending.takeFirst().bytes;
        // A burst goes out in one write, so that the PC takes it in together.
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(m_pty.master(), bytes.constData() + done, size_t(bytes.size() - done));
            // A full buffer means nobody reads the port: the rest is lost, as on a real line.
            if (n < 0 && errno != EINTR)
                break;
            if (n > 0)
                done += n;
        }
    }
}
