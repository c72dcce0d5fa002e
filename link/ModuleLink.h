// SPDX-License-Identifier: MIT
#pragma once

#include "AnswerPace.h"
#include "Configuration.h"
#include "GraceTimer.h"
#include "LinkProtocol.h"
#include "LinkTrace.h"
#include "SerialComm.h"

#include <QObject>
#include <QTimer>

// The link to one module as every front end uses it: the serial port, the
// one-shot Timer1 behind its grace timer, the configuration and the protocol
// engine, wired together. The window, the command-line tool, the end-to-end
// tests and the benchmark each hold one.
//
// How an operation ends: operationEnded(operation, outcome) follows the last
// status line, with the timer off. An operation taken over by TEST ends with
// Outcome::Interrupted.
// - Read, Failed: when lastReadComplete() is true the module's bytes arrived
//   up to their end mark but did not decode; they are in lastReadImage() and
//   in configuration().ConfigImage, and the table is unchanged. When it is
//   false the transfer itself failed and ConfigImage is unchanged.
// - Verify: logs "Ověření START", then "Ověření OK" (Succeeded), or one line
//   "Ověření: první rozdíl, pozice ..." (Failed, verifyDifference() the first
//   differing 1-based position, see ImageDiff.h), or "chyba v prenosu!"
//   (Failed, verifyDifference() 0). verifiedImage() holds the bytes the
//   module sent; ConfigImage, the table and the default states stay as they are.
class ModuleLink : public QObject
{
    Q_OBJECT

public:
    using Operation = LinkProtocol::Operation; // Test, Read, Write, Verify
    using Outcome = LinkProtocol::Outcome;     // Succeeded, Failed, Interrupted

    explicit ModuleLink(QObject *parent = nullptr);

    Configuration &configuration() { return m_config; }
    const Configuration &configuration() const { return m_config; }
    SerialComm &comm() { return m_comm; }
    LinkProtocol &protocol() { return m_protocol; }
    const LinkProtocol &protocol() const { return m_protocol; }
    // Timer1, the protocol's one-shot tick, and the grace timer over it.
    QTimer &timer() { return m_timer1; }
    GraceTimer &ticker() { return m_ticker; }

    // "COM1".."COM256" in any spelling (PortName) mapped as the window maps
    // COM1..COM6 (SerialComm::deviceFor, VRK04_COMk included), or a device path. Opens at 19200 8N1 with RTS on;
    // a device without an RTS line (a pseudo-terminal) still carries the link,
    // and then reason receives that as a warning while the result is true.
    // False and a Czech reason on failure.
    bool openPort(const QString &portOrDevice, QString *reason = nullptr);
    // Gives the port back, so that another link may open it.
    void closePort();

    void testLink();                               // "TEST"
    void readFromModule();                         // "PC <- VRK-04"
    void writeToModule();                          // "PC -> VRK-04": TableToImage, then write
    void writeImage(const QByteArray &image);      // writes these bytes as they are ("Zápis START" ...)
    void verifyModule(const QByteArray &expected); // reads into a buffer of its own and compares

    // An operation is under way (the link is out of its idle state).
    bool isBusy() const;
    // Stops the running operation at once (LinkProtocol::abandon).
    void abandon() { m_protocol.abandon(); }

    // The bytes of the last few transfers with their times, for support.
    const LinkTrace &trace() const { return m_trace; }

    bool lastReadComplete() const { return m_protocol.lastReadComplete(); }
    const QByteArray &lastReadImage() const { return m_protocol.lastReadImage(); }
    const QByteArray &verifiedImage() const { return m_protocol.verifiedImage(); }
    int verifyDifference() const { return m_protocol.verifyDifference(); }
    LinkProtocol::Failure lastFailure() const { return m_protocol.lastFailure(); }
    // The image the last successful write sent, whole; empty before one.
    const QByteArray &writtenImage() const { return m_writtenImage; }

signals:
    // Every status line, as the window logs it, and one line naming the port
    // and the reason when the port closes on its own.
    void logged(const QString &message);
    // Advice beside the status lines: once in a transfer whose answers come
    // slowly (PortPlatform::latencyAdvice).
    void advised(const QString &message);
    void progressChanged(int position, int total);
    void operationEnded(ModuleLink::Operation operation, ModuleLink::Outcome outcome);

private:
    QString portName() const;
    // The port's name with the system's description of it, when it has one.
    QString portDescription() const;

    SerialComm m_comm;
    QTimer m_timer1;
    GraceTimer m_ticker;
    Configuration m_config;
    LinkProtocol m_protocol;
    AnswerPace m_answerPace;
    QByteArray m_writtenImage;
    LinkTrace m_trace;
};
