// SPDX-License-Identifier: MIT
#include "TimerResolution.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#include <timeapi.h>

namespace {

constexpr UINT FinestPeriodMs = 1;

// Windows 11 lets a raised resolution lapse while the program's windows are
// minimised or hidden, unless the program says its timers matter then too:
// a transfer must keep its pace behind other windows.
void keepResolutionWhenHidden()
{
    PROCESS_POWER_THROTTLING_STATE state{};
    state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
    state.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
    state.StateMask = 0;
    SetProcessInformation(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof(state));
}

} // namespace
#endif

void TimerResolution::raise()
{
    if (m_raised)
        return;
#ifdef Q_OS_WIN
    static const bool keptWhenHidden = (keepResolutionWhenHidden(), true);
    Q_UNUSED(keptWhenHidden);
    m_raised = timeBeginPeriod(FinestPeriodMs) == TIMERR_NOERROR;
#endif
}

void TimerResolution::release()
{
    if (!m_raised)
        return;
#ifdef Q_OS_WIN
    timeEndPeriod(FinestPeriodMs);
#endif
    m_raised = false;
}
