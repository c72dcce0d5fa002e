// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The serial port as the port choice and the link protocol use it: the
// operations of the main window's one port object `comm`. Operations report
// failure by their result; nothing throws.
class Comm
{
public:
    virtual ~Comm() = default;

    // Port number k of COMk: 1..6 for the options, up to 256 typed; set only
    // while the port is closed.
    virtual int CommPort() const = 0;
    virtual void setCommPort(int number) = 0;

    // Opens (true) or closes (false) the port; false when that fails.
    virtual bool PortOpen() const = 0;
    virtual bool setPortOpen(bool open) = 0;

    // Drives the request-to-send line; false when the device has no RTS line.
    virtual bool setRTSEnable(bool on) = 0;

    // Takes and removes every byte waiting in the receive buffer, without
    // waiting; empty when none. Nothing when the port is closed or fails.
    virtual std::optional<QByteArray> Input() = 0;

    // Throws away everything waiting to be read, in the driver too.
    virtual void discardInput() = 0;

    // Writes bytes; false when the port is closed or the write fails.
    virtual bool Output(const QByteArray &bytes) = 0;

    // The platform device behind CommPort ("COM3", "/dev/ttyS2", ...).
    virtual QString deviceName() const = 0;
    // Why the last failed operation failed, in Czech, for tooltips and the log.
    virtual QString failureReason() const = 0;
};
