// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// Requests from outside to stop the program: Ctrl+C, SIGTERM, SIGHUP, SIGQUIT
// and SIGUSR1/SIGUSR2 on Unix; Ctrl+C, Ctrl+Break and closing the console
// window on Windows. While an object lives they no longer end the process at
// once: each arrives as requested() on the thread that made the object, so
// that a running transfer can end cleanly and the port be closed. One object
// at a time.
class StopSignals : public QObject
{
    Q_OBJECT

public:
    explicit StopSignals(QObject *parent = nullptr);
    ~StopSignals() override;

    // A write to a pipe whose reader has gone fails with EPIPE instead of
    // ending the process (SIGPIPE ignored on Unix; nothing to do on Windows).
    static void ignoreBrokenPipe();

signals:
    // The signal's number (SIGINT for Ctrl+C); the tool exits with 128 + number.
    void requested(int number);

private:
    struct Platform;
    Platform *m_platform = nullptr;
};
