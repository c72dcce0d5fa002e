// SPDX-License-Identifier: MIT
#pragma once

#include "ExitCode.h"
#include "SeriesRun.h"

class Console;
class ModuleLink;
class ProgressLine;
class StopSignals;

// vrk04 series on an open link: the run's state on stderr, one line per
// module on stdout, the summary at the end. Ctrl+C ends a wait at once and
// lets a write finish; a second one, or another stop signal, abandons it.
class SeriesCommand
{
public:
    SeriesCommand(ModuleLink &link, StopSignals &stops, Console &console, ProgressLine &progress);

    ExitCode run(const SeriesRun::Plan &plan);

    // The link's trace when the last failed module was recorded; empty when none failed.
    const QString &failureTrace() const { return m_failureTrace; }

private:
    void phaseChanged(SeriesRun::Phase phase);
    void stopRequested(int number);

    ModuleLink &m_link;
    Console &m_console;
    ProgressLine &m_progress;
    SeriesRun m_run;
    int m_stoppedBy = 0;
    QString m_failureTrace;
};
