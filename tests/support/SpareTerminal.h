// SPDX-License-Identifier: MIT
#pragma once

// A spare pseudo-terminal for tests that need a real serial device node (POSIX).
// The slave side is kept open here too, so reading the master never fails
// while the program under test has not opened the device yet.

#include <QByteArray>
#include <QString>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

class SpareTerminal
{
public:
    SpareTerminal()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            return;
        m_path = QString::fromLocal8Bit(ptsname(m_master));
        m_slave = ::open(ptsname(m_master), O_RDWR | O_NOCTTY);
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    }
    ~SpareTerminal()
    {
        if (m_slave >= 0)
            ::close(m_slave);
        if (m_master >= 0)
            ::close(m_master);
    }
    SpareTerminal(const SpareTerminal &) = delete;
    SpareTerminal &operator=(const SpareTerminal &) = delete;

    bool isValid() const { return m_slave >= 0; }
    // The device the program opens.
    QString path() const { return m_path; }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};
