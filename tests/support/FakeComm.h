// SPDX-License-Identifier: MIT
#pragma once

#include "Comm.h"

#include <QSet>
#include <QStringList>

// A serial port in memory. Tests choose which port numbers open and which
// have an RTS line, queue what the module "sends" in `waiting`, and read back
// what the program wrote in `sent` and the order of operations in `calls`.
class FakeComm : public Comm
{
public:
    QSet<int> openable{1, 2, 3, 4, 5, 6};
    QSet<int> withoutRts;
    QSet<int> failingClose;
    QByteArray waiting;
    QByteArray sent;
    QStringList calls;

    int CommPort() const override { return m_port; }
    void setCommPort(int number) override
    {
        calls << QStringLiteral("CommPort=%1").arg(number);
        m_port = number;
    }

    bool PortOpen() const override { return m_open; }
    bool setPortOpen(bool open) override
    {
        calls << QStringLiteral("PortOpen=%1").arg(open ? u"true" : u"false");
        if (open) {
            if (m_open || !openable.contains(m_port))
                return fail(QStringLiteral("zařízení neexistuje"));
            m_open = true;
            return true;
        }
        if (!m_open)
            return fail(QStringLiteral("port není otevřen"));
        m_open = false;
        if (failingClose.contains(m_port))
            return fail(QStringLiteral("zavření selhalo"));
        return true;
    }

    bool setRTSEnable(bool on) override
    {
        calls << QStringLiteral("RTSEnable=%1").arg(on ? u"true" : u"false");
        if (!m_open || withoutRts.contains(m_port))
            return fail(QStringLiteral("bez linky RTS"));
        m_rts = on;
        return true;
    }
    bool rts() const { return m_rts; }

    std::optional<QByteArray> Input() override
    {
        if (!m_open) {
            fail(QStringLiteral("port není otevřen"));
            return std::nullopt;
        }
        return std::exchange(waiting, QByteArray());
    }

    void discardInput() override
    {
        calls << QStringLiteral("discardInput");
        waiting.clear();
    }

    bool Output(const QByteArray &bytes) override
    {
        if (!m_open)
            return fail(QStringLiteral("port není otevřen"));
        sent += bytes;
        return true;
    }

    QString deviceName() const override { return QStringLiteral("FAKE%1").arg(m_port); }
    QString failureReason() const override { return m_reason; }

private:
    bool fail(const QString &reason)
    {
        m_reason = reason;
        return false;
    }

    int m_port = 1;
    bool m_open = false;
    bool m_rts = false;
    QString m_reason;
};
