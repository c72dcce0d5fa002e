// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

class QSerialPort;

// What the platform does for an open serial port beyond QSerialPort: on Linux
// the device is held exclusively and its driver is asked for low latency,
// which a USB adapter turns into a 1 ms latency timer; elsewhere nothing.
// One object goes with one port: tune() after it opens, restore() before it
// closes.
class PortPlatform
{
    Q_DECLARE_TR_FUNCTIONS(PortPlatform)

public:
    // The device a path leads to: /dev/serial/by-id/usb-FTDI_..., ./alias,
    // ../dev/ttyUSB0 and any other symbolic link or relative path resolved to
    // /dev/ttyUSB0, so that one device has one name and one lock. A bare name
    // is looked for in /dev, as QSerialPort does. A name that does not exist
    // (COM3 on Windows) comes back as it is.
    static QString deviceBehind(const QString &path);

    // Holds the open device exclusively (TIOCEXCL) and asks its driver for
    // low latency (ASYNC_LOW_LATENCY). A driver that refuses is left alone.
    void tune(QSerialPort &port);
    // Releases the device and gives the driver back the flags it had.
    void restore(QSerialPort &port);

    // The status line for answers that come slowly, averageMs each: why, and
    // how to lower the adapter's latency on this platform.
    static QString latencyAdvice(int averageMs);

private:
    std::optional<int> m_savedFlags;
};
