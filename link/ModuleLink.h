// SPDX-License-Identifier: MIT
#pragma once

#include "AnswerPace.h"
#include "GraceTimer.h"
#include "LinkProtocol.h"
#include "LinkTrace.h"
#include "SerialComm.h"

#include <QObject>
#include <QTimer>

class PortChoice;
class PortOptions;

// The link to one module as every front end uses it: the serial port, the
// one-shot Timer1 behind its grace timer and the protocol engine, wired
// together. It moves bytes; what they mean is the session's business. The
// port, the timer and the engine stay inside: a front end opens and closes the
// port, starts and stops operations and hears of them through the signals.
//
// How an operation ends: operationEnded(operation, outcome) follows the last
// status line, with the timer off. An operation taken over by TEST ends with
// Outcome::Interrupted.
// - Read, Failed: when lastReadComplete() is true the module's bytes arrived
//   up to their end mark but do not hold a configuration; they are in
//   lastReadImage(). When it is false the transfer itself failed.
// - Verify: logs "Ověření START", then "Ověření OK" (Succeeded), or one line
//   "Ověření: první rozdíl, pozice ..." (Failed, verifyDifference() the first
//   differing 1-based position, see ImageDiff.h), or "chyba v prenosu!"
//   (Failed, verifyDifference() 0). verifiedImage() holds the bytes the
//   module sent.
class ModuleLink : public QObject
{
    Q_OBJECT

public:
    using Operation = LinkProtocol::Operation; // Test, Read, Write, Verify
    using Outcome = LinkProtocol::Outcome;     // Succeeded, Failed, Interrupted
    using Failure = LinkProtocol::Failure;

    // The line's pace: ten bits a byte, so a byte and its answer take
    // 2 × 10 / 19.2 ms at 19200 bit/s. No transfer of n bytes can be faster
    // than n such exchanges.
    static constexpr int BaudRate = SerialComm::BaudRate;
    static constexpr double ByteExchangeMs = 2 * 10 * 1000.0 / BaudRate;

    explicit ModuleLink(QObject *parent = nullptr);

    // "COM1".."COM256" in any spelling (PortName) mapped as the window maps
    // COM1..COM6 (SerialComm::deviceFor, VRK04_COMk included), or a device path.
    // Closes the port open before, then opens at 19200 8N1 with RTS on;
    // a device without an RTS line (a pseudo-terminal) still carries the link,
    // and then reason receives that as a warning while the result is true.
    // False and a Czech reason on failure.
    bool openPort(const QString &portOrDevice, QString *reason = nullptr);
    void closePort();
    bool isPortOpen() const;
    // "COM3" for a numbered port, the device path for one opened by its path;
    // the device itself in deviceName(). Both empty before a port was chosen.
    QString portLabel() const;
    QString deviceName() const;

    // The six options' probe and choice, over this link's port.
    PortChoice *makePortChoice(PortOptions &options, QObject *parent);

    void testLink();                               // "TEST"
    void readFromModule();                         // "PC <- VRK-04"; the bytes come with the end
    void writeImage(const QByteArray &image);      // writes these bytes as they are ("Zápis START" ...)
    void refuseWrite(const QString &problem);      // a write of a table that cannot be encoded
    void verifyModule(const QByteArray &expected); // reads into a buffer of its own and compares

    // An operation is under way (the link is out of its idle state).
    bool isBusy() const;
    // The operation that runs, or ran last.
    Operation runningOperation() const;
    // Stops the running operation at once (LinkProtocol::abandon).
    void abandon();

    // The bytes of the last few transfers with their times, for support.
    const LinkTrace &trace() const { return m_trace; }

    Failure lastFailure() const { return m_protocol.lastFailure(); }
    // The transfer's position and where it ends, as progressChanged told last.
    int position() const { return m_protocol.position(); }
    int total() const { return m_protocol.total(); }
    // The image bytes the running write has sent so far.
    int writtenBytes() const { return m_protocol.writtenBytes(); }
    bool lastReadComplete() const { return m_protocol.lastReadComplete(); }
    const QByteArray &lastReadImage() const { return m_protocol.lastReadImage(); }
    const QByteArray &verifiedImage() const { return m_protocol.verifiedImage(); }
    int verifyDifference() const { return m_protocol.verifyDifference(); }
    const QByteArray &expectedImage() const { return m_protocol.expectedImage(); }
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
    // The port closed on its own (an adapter pulled out), after the lines saying so.
    void portLost();

private:
    friend class ModuleLinkInside; // the tests' view of the parts

    QString portName() const;
    // The port's name with the system's description of it, when it has one.
    QString portDescription() const;

    SerialComm m_comm;
    QTimer m_timer1;
    GraceTimer m_ticker;
    LinkProtocol m_protocol;
    AnswerPace m_answerPace;
    QByteArray m_writtenImage;
    LinkTrace m_trace;
};
