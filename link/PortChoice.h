// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

class Comm;

// The six port options of the main window, "COM1" to "COM6", as the port
// choice sees them. k runs from 1 to 6.
class PortOptions
{
public:
    virtual ~PortOptions() = default;
    virtual void setOptionEnabled(int k, bool enabled) = 0;
    virtual void setOptionToolTip(int k, const QString &text) = 0;
    virtual bool optionValue(int k) const = 0; // selected
};

// Which serial port carries the link: probes COM1..COM6 once at start-up and
// opens the one the user picks.
class PortChoice : public QObject
{
    Q_OBJECT

public:
    static constexpr int PortCount = 6;

    PortChoice(Comm &comm, PortOptions &options, QObject *parent = nullptr);

    // Enables exactly the options whose port opens and closes again; each
    // option's tooltip names its device and, when disabled, why.
    void ScanPorts();

    // Closes the open port, then opens the selected one with RTS on. A port
    // that fails to open leaves no port open and one line in the status log.
    void SelectPort();

signals:
    // A line for the status log: a chosen port that did not open.
    void logged(const QString &message);

private:
    Comm &m_comm;
    PortOptions &m_options;
};
