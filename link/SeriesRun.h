// SPDX-License-Identifier: MIT
#pragma once

#include "ModuleLink.h"
#include "SeriesProtocol.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

// A production run: one configuration into module after module on an open
// port, each written and verified, each recorded in the protocol. It waits
// for a module (a link test at most every TestSpacingMs until one answers),
// writes and verifies it, records it, then waits for it to go (tests until
// one goes unanswered) before it waits for the next: a module is never
// written twice in a row. A module that fails is recorded with its reason
// and not counted as done. Everything goes through the ModuleLink given.
class SeriesRun : public QObject
{
    Q_OBJECT

public:
    enum class Phase { Idle, AwaitingModule, Writing, Verifying, AwaitingRemoval };
    Q_ENUM(Phase)
    enum class Ending {
        Completed,      // the modules asked for are done
        Stopped,        // by stop()
        ProtocolFailed, // a line could not be written: problem() says why
        PortLost,       // the adapter went away: problem() says so
    };
    Q_ENUM(Ending)
    // A stop during a write lets it finish (then the module is recorded as
    // written but not verified), unless it is the second or asked AtOnce.
    enum class Stop { LetWriteFinish, AtOnce };

    struct Plan
    {
        QByteArray image;          // the configuration, whole
        QString configurationFile; // names the configuration in the protocol
        QString port;              // names the port in the protocol
        QString protocolPath;
        int count = 0;             // good modules to do; 0: until stopped
    };

    static constexpr int TestSpacingMs = 500;

    explicit SeriesRun(ModuleLink &link, QObject *parent = nullptr);

    // Checks the configuration and opens the protocol, then starts waiting
    // for the first module. False, and nothing sent, when the configuration
    // does not decode or has a finding that is an error (problems: one line
    // each), or the protocol cannot be written.
    bool start(const Plan &plan, QStringList *problems);
    // True when the run goes on until the write under way has finished.
    bool stop(Stop how);

    bool isRunning() const { return m_phase != Phase::Idle; }
    Phase phase() const { return m_phase; }
    // The module being done or done last, counted from 1, failed ones included.
    int moduleNumber() const { return m_number; }
    int good() const { return m_good; }
    int failed() const { return m_failed; }
    const QString &fingerprint() const { return m_fingerprint; }
    const QString &problem() const { return m_problem; }

    // What the technician is to do or wait for: "Připojte modul",
    // "Zapisuji 3. modul", "Hotovo: vypněte modul", "CHYBA: …".
    QString stateText() const;
    // "Modul 3: OK, otisk 71D3B495, 4,6 s — vypněte ho a připojte další".
    QString resultLine(const SeriesRecord &record) const;
    // The counts and the protocol's file, at the end.
    QString summary() const;

signals:
    void phaseChanged(SeriesRun::Phase phase);
    // After the line is in the protocol and the counts are updated.
    void moduleRecorded(const SeriesRecord &record);
    void finished(SeriesRun::Ending ending);

private:
    void operationEnded(ModuleLink::Operation operation, ModuleLink::Outcome outcome);
    void linkLogged(const QString &line);
    void setPhase(Phase phase);
    void awaitModule();
    void awaitRemoval();
    void scheduleTest();
    void testNow();
    void moduleArrived();
    void record(bool ok, const QString &reason);
    QString failureReason(ModuleLink::Operation operation) const;
    void finish(Ending ending);

    ModuleLink &m_link;
    SeriesProtocol m_protocol;
    Plan m_plan;
    QString m_fingerprint;
    Phase m_phase = Phase::Idle;
    QTimer m_spacing;            // until the next link test may go
    QElapsedTimer m_sinceTest;   // since the last link test started
    QElapsedTimer m_moduleClock; // since the module's test was answered
    int m_number = 0;
    int m_good = 0;
    int m_failed = 0;
    bool m_finishWrite = false;  // a stop waits for the write to end
    bool m_abandoned = false;    // a stop abandoned the write or verify under way
    bool m_lastOk = false;
    QString m_lastReason;
    QStringList m_details;       // the link's own lines about the operation under way
    int m_position = 0;          // of the transfer under way
    QString m_problem;
};
