// SPDX-License-Identifier: MIT
#pragma once

#include "LinkProtocol.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>

// Every byte on the line with its time, for the maker's support: the last
// few transfers kept in memory, written out as text when asked. A transfer
// starts with its first byte and ends with the operation. Recording a byte
// appends one entry and nothing more, so that it never slows a transfer.
class LinkTrace
{
    Q_DECLARE_TR_FUNCTIONS(LinkTrace)

public:
    static constexpr int KeptTransfers = 4;

    // The port of the transfers that follow, as the header names it.
    void setPort(const QString &description) { m_port = description; }

    void sent(const QByteArray &bytes);
    void received(const QByteArray &bytes);
    // A status line, kept with the transfer under way.
    void noted(const QString &line);
    void ended(LinkProtocol::Operation operation, LinkProtocol::Outcome outcome);

    // A header (program, system, Qt, port), then each kept transfer: one line
    // a byte ("    12.345 PC→ 03"), its status lines and its outcome.
    QString text() const;

private:
    enum class Direction : quint8 { Sent, Received };
    struct Byte
    {
        qint64 nsecs; // since the transfer's first byte
        quint8 value;
        Direction direction;
    };
    struct Transfer
    {
        QDateTime started;
        QString port;
        qint64 startNsecs = 0;
        QList<Byte> bytes;
        QStringList lines;
        QString ending; // operation and outcome, once it has ended
    };

    void record(const QByteArray &bytes, Direction direction);
    static QString describe(LinkProtocol::Operation operation, LinkProtocol::Outcome outcome);

    std::deque<Transfer> m_transfers;
    bool m_open = false;
    QString m_port;
    QElapsedTimer m_clock;
};
