// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QStringList>

#include <csignal>
#include <signal.h>

// The module simulator vrk04-sim as a child process on its own
// pseudo-terminal. Link against the simulator_process target, which builds the
// simulator and passes its path in VRK04_SIM_PATH.
class SimulatorProcess
{
public:
    explicit SimulatorProcess(QString program = QString::fromUtf8(VRK04_SIM_PATH))
        : m_program(std::move(program))
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    ~SimulatorProcess() { stop(); }

    SimulatorProcess(const SimulatorProcess &) = delete;
    SimulatorProcess &operator=(const SimulatorProcess &) = delete;

    // Starts the simulator with options (see vrk04-sim --help) and waits for
    // the device path it prints; false when it does not come up.
    bool start(const QStringList &options = {}, int timeoutMs = 10000)
    {
        stop();
        m_device.clear();
        m_events.clear();
        m_pending.clear();
        m_process.start(m_program, options);
        if (!m_process.waitForStarted(timeoutMs))
            return false;
        while (!m_pending.contains('\n')) {
            if (!m_process.waitForReadyRead(timeoutMs))
                return false;
            m_pending += m_process.readAllStandardOutput();
        }
        const qsizetype end = m_pending.indexOf('\n');
        m_device = QString::fromLocal8Bit(m_pending.left(end));
        m_pending.remove(0, end + 1);
        return !m_device.isEmpty();
    }

    // The pseudo-terminal to open as the serial port, such as /dev/pts/3.
    QString devicePath() const { return m_device; }

    // The lines the simulator printed after the device path, so far:
    // "attention", "read N" and "write N" when it has answered an attention
    // byte or completed a read of N bytes or a write that stored N bytes (the
    // written image is saved by then), "closed" when it dropped the line,
    // "off" and "on N" when switchPower() switched module N off or on.
    QStringList events()
    {
        m_pending += m_process.readAllStandardOutput();
        qsizetype end;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            m_events << QString::fromLocal8Bit(m_pending.left(end));
            m_pending.remove(0, end + 1);
        }
        return m_events;
    }

    bool isRunning() const { return m_process.state() == QProcess::Running; }

    // Switches the module off, or the next module on (SIGUSR1).
    void switchPower() { ::kill(pid_t(m_process.processId()), SIGUSR1); }

    // Ends the simulator with SIGTERM, which lets it remove its link.
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    QProcess &process() { return m_process; }

private:
    QString m_program;
    QProcess m_process;
    QString m_device;
    QStringList m_events;
    QByteArray m_pending;
};
