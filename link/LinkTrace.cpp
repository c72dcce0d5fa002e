// SPDX-License-Identifier: MIT
#include "LinkTrace.h"

#include <QSysInfo>

namespace {

// A full transfer: the image and an answer to each of its bytes, the set-up
// and the end mark; reserved at once so that no byte reallocates.
constexpr qsizetype BytesOfATransfer = 2 * LinkProtocol::LongestTransfer + 16;

} // namespace

void LinkTrace::sent(const QByteArray &bytes)
{
    record(bytes, Direction::Sent);
}

void LinkTrace::received(const QByteArray &bytes)
{
    record(bytes, Direction::Received);
}

void LinkTrace::record(const QByteArray &bytes, Direction direction)
{
    if (!m_clock.isValid())
        m_clock.start();
    const qint64 now = m_clock.nsecsElapsed();
    if (!m_open) {
        if (m_transfers.size() == KeptTransfers)
            m_transfers.pop_front();
        Transfer &transfer = m_transfers.emplace_back();
        transfer.started = QDateTime::currentDateTime();
        transfer.port = m_port;
        transfer.startNsecs = now;
        transfer.bytes.reserve(BytesOfATransfer);
        m_open = true;
    }
    Transfer &transfer = m_transfers.back();
    const qint64 nsecs = now - transfer.startNsecs;
    for (const char byte : bytes)
        transfer.bytes.append(Byte{nsecs, quint8(byte), direction});
}

void LinkTrace::noted(const QString &line)
{
    if (m_open)
        m_transfers.back().lines << line;
}

void LinkTrace::ended(LinkProtocol::Operation operation, LinkProtocol::Outcome outcome)
{
    if (!m_open)
        return; // nothing went out: a press that was refused
    m_transfers.back().ending = describe(operation, outcome);
    m_open = false;
}

QString LinkTrace::describe(LinkProtocol::Operation operation, LinkProtocol::Outcome outcome)
{
    using Operation = LinkProtocol::Operation;
    using Outcome = LinkProtocol::Outcome;
    const QString name = operation == Operation::Test    ? tr("test spojení")
                         : operation == Operation::Read  ? tr("vyčítání")
                         : operation == Operation::Write ? tr("zápis")
                                                         : tr("ověření");
    const QString result = outcome == Outcome::Succeeded ? tr("úspěch")
                           : outcome == Outcome::Failed  ? tr("selhání")
                                                         : tr("přerušeno");
    return tr("Výsledek: %1, %2").arg(name, result);
}

QString LinkTrace::text() const
{
    const QString port = m_transfers.empty() ? m_port : m_transfers.front().port;
    QString text = tr("Záznam linky VRK-04") + u'\n'
                   + tr("Program: %1 %2").arg(QCoreApplication::applicationName(),
                                              QCoreApplication::applicationVersion())
                   + u'\n' + tr("Systém: %1").arg(QSysInfo::prettyProductName()) + u'\n'
                   + tr("Qt: %1").arg(QString::fromLatin1(qVersion())) + u'\n'
                   + tr("Port: %1").arg(port) + u'\n';
    const QString sent = QStringLiteral("PC→");
    const QString received = QStringLiteral("→PC");
    for (const Transfer &transfer : m_transfers) {
        text += u'\n' + tr("Přenos od %1").arg(transfer.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")));
        if (transfer.port != port)
            text += QStringLiteral(", ") + tr("port %1").arg(transfer.port);
        text += QStringLiteral(" (ms)\n");
        for (const Byte &byte : transfer.bytes) {
            text += QStringLiteral("%1 %2 %3\n")
                        .arg(double(byte.nsecs) / 1e6, 10, 'f', 3)
                        .arg(byte.direction == Direction::Sent ? sent : received)
                        .arg(byte.value, 2, 16, QLatin1Char('0'))
                        .toUpper();
        }
        for (const QString &line : transfer.lines)
            text += tr("Hlášení: %1").arg(line) + u'\n';
        text += (transfer.ending.isEmpty() ? tr("Výsledek: probíhá") : transfer.ending) + u'\n';
    }
    return text;
}
