// SPDX-License-Identifier: MIT
#include "SeriesCommand.h"
#include "ToolText.h"

#include "Console.h"
#include "ProgressLine.h"
#include "StopSignals.h"

#include <QEventLoop>

#include <csignal>

SeriesCommand::SeriesCommand(ModuleLink &link, StopSignals &stops, Console &console, ProgressLine &progress)
    : m_link(link)
    , m_console(console)
    , m_progress(progress)
    , m_run(link)
{
    QObject::disconnect(&stops, &StopSignals::requested, nullptr, nullptr);
    QObject::connect(&stops, &StopSignals::requested, &m_run, [this](int number) { stopRequested(number); });
    QObject::connect(&m_run, &SeriesRun::phaseChanged, &m_run, [this](SeriesRun::Phase phase) { phaseChanged(phase); });
    QObject::connect(&m_run, &SeriesRun::moduleRecorded, &m_run, [this](const SeriesRecord &record) {
        m_progress.clear();
        if (!record.ok)
            m_failureTrace = m_link.trace().text();
        m_console.data(m_run.resultLine(record) + u'\n');
    });
}

ExitCode SeriesCommand::run(const SeriesRun::Plan &plan)
{
    QStringList problems;
    if (!m_run.start(plan, &problems)) {
        for (const QString &problem : std::as_const(problems))
            m_console.error(problem);
        return ExitCode::FileProblem;
    }
    QEventLoop loop;
    SeriesRun::Ending ending = SeriesRun::Ending::Stopped;
    QObject::connect(&m_run, &SeriesRun::finished, &loop, [&](SeriesRun::Ending end) {
        ending = end;
        loop.quit();
    });
    loop.exec();
    m_progress.clear();
    m_console.data(m_run.summary() + u'\n');
    switch (ending) {
    case SeriesRun::Ending::Completed:
        return ExitCode::Done;
    case SeriesRun::Ending::Stopped:
        return signalExit(m_stoppedBy);
    case SeriesRun::Ending::ProtocolFailed:
        m_console.error(m_run.problem());
        return ExitCode::FileProblem;
    case SeriesRun::Ending::PortLost:
        m_console.error(m_run.problem());
        return ExitCode::LinkFailed;
    }
    return ExitCode::LinkFailed;
}

void SeriesCommand::phaseChanged(SeriesRun::Phase phase)
{
    switch (phase) {
    case SeriesRun::Phase::Writing:
    case SeriesRun::Phase::Verifying:
        m_progress.start();
        [[fallthrough]];
    case SeriesRun::Phase::AwaitingModule:
        m_console.status(m_run.stateText());
        return;
    case SeriesRun::Phase::AwaitingRemoval:
    case SeriesRun::Phase::Idle:
        return; // the module's line has told what to do
    }
}

void SeriesCommand::stopRequested(int number)
{
    if (!m_run.isRunning())
        return;
    if (!m_stoppedBy)
        m_stoppedBy = number;
    const bool finishing =
        m_run.stop(number == SIGINT ? SeriesRun::Stop::LetWriteFinish : SeriesRun::Stop::AtOnce);
    if (finishing) {
        m_console.error(ToolText::tr("Zápis se dokončí, aby modul nezůstal zapsaný napůl; pak série skončí. "
                                     "Dalším Ctrl+C zápis přerušíte."));
    }
}
