// SPDX-License-Identifier: MIT
#include "SeriesRun.h"

#include "ConfigCheck.h"
#include "Fingerprint.h"
#include "ImageFile.h"
#include "LinkText.h"

#include <QLocale>

namespace {

using Operation = ModuleLink::Operation;
using Outcome = ModuleLink::Outcome;
using Failure = LinkProtocol::Failure;

// Lines of the link that say nothing a reason needs: the starts and the
// general failure lines of a write and a verify.
bool generalLine(const QString &line)
{
    using Status = LinkText::Status;
    for (const Status status : {Status::WriteStart, Status::VerifyStart, Status::TransferOk, Status::VerifyOk,
                                Status::WriteFailure, Status::ReadFailure}) {
        if (line == LinkText::status(status))
            return true;
    }
    return false;
}

} // namespace

SeriesRun::SeriesRun(ModuleLink &link, QObject *parent)
    : QObject(parent)
    , m_link(link)
{
    m_spacing.setSingleShot(true);
    connect(&m_spacing, &QTimer::timeout, this, &SeriesRun::testNow);
    connect(&m_link, &ModuleLink::operationEnded, this, &SeriesRun::operationEnded);
    connect(&m_link, &ModuleLink::logged, this, &SeriesRun::linkLogged);
    connect(&m_link, &ModuleLink::progressChanged, this, [this](int position) { m_position = position; });
}

bool SeriesRun::start(const Plan &plan, QStringList *problems)
{
    if (isRunning())
        return false;
    m_fingerprint = imageFingerprint(plan.image);
    if (m_fingerprint.isEmpty()) {
        *problems << tr("Konfiguraci nelze zapsat: obraz nelze dekódovat.");
        return false;
    }
    for (const ConfigFinding &finding : checkImage(plan.image)) {
        if (finding.isError())
            *problems << findingLine(finding);
    }
    if (!problems->isEmpty())
        return false;
    QString problem;
    if (!m_protocol.open(plan.protocolPath, &problem)) {
        *problems << problem;
        return false;
    }
    m_plan = plan;
    m_number = m_good = m_failed = 0;
    m_finishWrite = m_abandoned = false;
    m_problem.clear();
    m_sinceTest.invalidate();
    awaitModule();
    return true;
}

bool SeriesRun::stop(Stop how)
{
    switch (m_phase) {
    case Phase::Idle:
        return false;
    case Phase::Writing:
        if (how == Stop::LetWriteFinish && !m_finishWrite) {
            m_finishWrite = true;
            return true;
        }
        break;
    case Phase::AwaitingModule:
    case Phase::AwaitingRemoval:
        // A module that comes or goes now is nobody's concern.
        m_spacing.stop();
        m_phase = Phase::Idle;
        m_link.abandon();
        finish(Ending::Stopped);
        return false;
    case Phase::Verifying:
        break;
    }
    // The link reports the abandoned operation at once; it is recorded there.
    m_finishWrite = false;
    m_abandoned = true;
    m_link.abandon();
    return false;
}

QString SeriesRun::stateText() const
{
    switch (m_phase) {
    case Phase::Idle:
        return {};
    case Phase::AwaitingModule:
        return tr("Připojte modul");
    case Phase::Writing:
        return tr("Zapisuji %1. modul").arg(m_number);
    case Phase::Verifying:
        return tr("Ověřuji %1. modul").arg(m_number);
    case Phase::AwaitingRemoval:
        return m_lastOk ? tr("Hotovo: vypněte modul") : tr("CHYBA: %1").arg(m_lastReason);
    }
    return {};
}

QString SeriesRun::resultLine(const SeriesRecord &record) const
{
    const QString seconds = QLocale().toString(record.seconds, 'f', 1);
    const QString next = isRunning() ? tr("vypněte ho a připojte další") : tr("vypněte ho");
    if (record.ok)
        return tr("Modul %1: OK, otisk %2, %3 s — %4").arg(m_number).arg(record.fingerprint, seconds, next);
    return tr("Modul %1: CHYBA, %2, otisk %3, %4 s — %5")
        .arg(m_number)
        .arg(record.reason, record.fingerprint, seconds, next);
}

QString SeriesRun::summary() const
{
    return tr("Série: v pořádku %1, s chybou %2; protokol %3")
        .arg(m_good)
        .arg(m_failed)
        .arg(ImageFile::quoted(m_protocol.path()));
}

void SeriesRun::setPhase(Phase phase)
{
    m_phase = phase;
    emit phaseChanged(phase);
}

void SeriesRun::awaitModule()
{
    setPhase(Phase::AwaitingModule);
    scheduleTest();
}

void SeriesRun::awaitRemoval()
{
    setPhase(Phase::AwaitingRemoval);
    scheduleTest();
}

// Tests start at least TestSpacingMs apart; a test takes about as long
// itself, so the next one mostly goes at once.
void SeriesRun::scheduleTest()
{
    const qint64 since = m_sinceTest.isValid() ? m_sinceTest.elapsed() : TestSpacingMs;
    m_spacing.start(int(qMax<qint64>(0, TestSpacingMs - since)));
}

void SeriesRun::testNow()
{
    if (!isRunning())
        return;
    m_sinceTest.start();
    m_link.testLink();
}

void SeriesRun::moduleArrived()
{
    ++m_number;
    m_moduleClock = m_sinceTest;
    m_details.clear();
    m_position = 0;
    setPhase(Phase::Writing);
    m_link.writeImage(m_plan.image);
}

void SeriesRun::operationEnded(ModuleLink::Operation operation, ModuleLink::Outcome outcome)
{
    const bool succeeded = outcome == Outcome::Succeeded;
    switch (m_phase) {
    case Phase::Idle:
        return;
    case Phase::AwaitingModule:
        if (!m_problem.isEmpty())
            return finish(Ending::PortLost);
        if (operation == Operation::Test && succeeded)
            return moduleArrived();
        return scheduleTest();
    case Phase::AwaitingRemoval:
        if (!m_problem.isEmpty())
            return finish(Ending::PortLost);
        if (operation == Operation::Test && !succeeded)
            return awaitModule();
        return scheduleTest();
    case Phase::Writing:
        if (operation != Operation::Write)
            return;
        if (!succeeded)
            return record(false, failureReason(operation));
        if (m_finishWrite)
            return record(false, tr("zapsáno, neověřeno: série byla přerušena"));
        m_details.clear();
        setPhase(Phase::Verifying);
        m_link.verifyModule(m_plan.image);
        return;
    case Phase::Verifying:
        if (operation == Operation::Verify)
            record(succeeded, succeeded ? QString() : failureReason(operation));
        return;
    }
}

void SeriesRun::linkLogged(const QString &line)
{
    if (line == LinkText::status(LinkText::Status::AdapterUnplugged))
        m_problem = line;
    else if ((m_phase == Phase::Writing || m_phase == Phase::Verifying) && !generalLine(line))
        m_details << line;
}

QString SeriesRun::failureReason(ModuleLink::Operation operation) const
{
    const bool writing = operation == Operation::Write;
    // An interrupted write leaves the link's own advice: the reason says it shorter.
    if (m_abandoned) {
        return writing ? tr("zápis přerušen po %1. bajtu z %2: modul drží neúplnou konfiguraci")
                             .arg(qMax(0, m_position - 1))
                             .arg(m_plan.image.size())
                       : tr("ověření přerušeno");
    }
    if (!m_details.isEmpty())
        return m_details.join(u' ');
    switch (m_link.lastFailure()) {
    case Failure::NoAnswer:
        return writing ? tr("modul neodpověděl na zápis") : tr("modul neodpověděl na ověření");
    case Failure::CutShort:
        return writing ? tr("zápis se přerušil po %1. bajtu z %2").arg(qMax(0, m_position - 1)).arg(m_plan.image.size())
                       : tr("ověření se přerušilo po %1. bajtu").arg(m_position);
    default:
        return LinkText::status(writing ? LinkText::Status::WriteFailure : LinkText::Status::ReadFailure);
    }
}

void SeriesRun::record(bool ok, const QString &reason)
{
    const bool stopped = m_abandoned || m_finishWrite;
    SeriesRecord entry{QDateTime::currentDateTime(), m_plan.port, m_plan.configurationFile, m_fingerprint, ok,
                       reason, double(m_moduleClock.elapsed()) / 1000};
    m_lastOk = ok;
    m_lastReason = reason;
    if (ok)
        ++m_good;
    else
        ++m_failed;
    QString problem;
    const bool kept = m_protocol.append(entry, &problem);
    const bool portLost = !m_problem.isEmpty() && !stopped;
    const bool complete = m_plan.count > 0 && m_good >= m_plan.count;
    if (!kept || portLost || stopped || complete)
        m_phase = Phase::Idle; // before the line is told, so that it says no more module is to come
    emit moduleRecorded(entry);
    if (!kept) {
        m_problem = problem;
        return finish(Ending::ProtocolFailed);
    }
    if (portLost)
        return finish(Ending::PortLost);
    if (stopped)
        return finish(Ending::Stopped);
    if (complete)
        return finish(Ending::Completed);
    awaitRemoval();
}

void SeriesRun::finish(Ending ending)
{
    m_spacing.stop();
    m_finishWrite = false;
    m_abandoned = false;
    m_phase = Phase::Idle;
    m_protocol.close();
    emit phaseChanged(Phase::Idle);
    emit finished(ending);
}
