// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A pseudo-terminal pair in raw 8-bit mode: the simulator talks on the master
// side, the program opens the slave device as its serial port. The slave stays
// open here as well, so that the master keeps working while the program has
// the port closed.
class PseudoTerminal
{
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool open(QString *error);
    void close();

    int master() const { return m_master; }
    // The slave device, such as /dev/pts/3.
    const QString &devicePath() const { return m_path; }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};
