// SPDX-License-Identifier: MIT
#pragma once

#include "Comm.h"
#include "LinkText.h"
#include "PortPlatform.h"

#include <QObject>
#include <QSerialPort>

class LinkTrace;

// The main window's port over QSerialPort: 19200 bit/s, 8 data bits, no
// parity, 1 stop bit, no flow control, raw bytes. Port number k is COMk on
// Windows; elsewhere /dev/ttyS{k-1} (Linux calls COM1 ttyS0), unless the
// environment variable VRK04_COMk names another device, such as a USB adapter
// or a pseudo-terminal.
class SerialComm : public QObject, public Comm
{
    Q_OBJECT

public:
    static constexpr qint32 BaudRate = 19200;

    explicit SerialComm(QObject *parent = nullptr);
    ~SerialComm() override;

    static QString deviceFor(int number);

    int CommPort() const override { return m_number; }
    // Choosing a port number also ends the use of a device path.
    void setCommPort(int number) override
    {
        m_number = number;
        m_device.clear();
    }
    bool PortOpen() const override { return m_port.isOpen(); }
    bool setPortOpen(bool open) override;
    bool setRTSEnable(bool on) override;
    std::optional<QByteArray> Input() override;
    void discardInput() override;
    bool Output(const QByteArray &bytes) override;
    QString deviceName() const override { return m_device.isEmpty() ? deviceFor(m_number) : m_device; }
    // Opens device (a path such as /dev/ttyUSB0) instead of the one the port
    // number maps to; empty brings the mapping back.
    void useDevice(const QString &device) { m_device = device; }
    bool usesDevice() const { return !m_device.isEmpty(); }
    QString failureReason() const override;

    // Every byte sent and taken goes to trace as well; nullptr for none.
    void setTrace(LinkTrace *trace) { m_trace = trace; }

    // The underlying port, for the transfer timer that waits on its readyRead.
    QSerialPort &serialPort() { return m_port; }
    const QSerialPort &serialPort() const { return m_port; }

signals:
    // The port was closed on its own (adapter unplugged, line hung up), once
    // when it happens; reason is failureReason().
    void closedOnItsOwn(const QString &reason);

private:
    using Problem = LinkText::PortProblem;
    bool fail(Problem problem);
    void closePort();
    Problem problemFor(QSerialPort::SerialPortError error) const;
    // Yes: the device opened but refused the serial port calls.
    enum class NotSerial { Unknown, Yes };
    Problem systemProblem(NotSerial notSerial = NotSerial::Unknown) const;

    QSerialPort m_port;
    PortPlatform m_platform;
    LinkTrace *m_trace = nullptr;
    int m_number = 1;
    QString m_device;
    Problem m_problem = Problem::None;
    QString m_systemText;
    bool m_inCall = false; // errors raised inside our own calls are reported by their results
};
