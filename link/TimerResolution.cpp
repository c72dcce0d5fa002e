#include "TimerResolution.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#include <timeapi.h>

namespace {
constexpr UINT FinestPeriodMs = 1;
}
#endif

void TimerResolution::raise()
{
    if (m_raised)
        return;
#ifdef Q_OS_WIN
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
