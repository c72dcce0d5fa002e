// SPDX-License-Identifier: MIT
// StopSignals on Windows: a console control handler. It runs on a thread of
// its own, so it hands each event to the object's thread as a queued call.
#include "StopSignals.h"

#ifdef Q_OS_WIN

#include <QPointer>

#include <csignal>
#include <windows.h>

namespace {

QPointer<StopSignals> receiver;
HANDLE finished = nullptr; // set when the object goes, that is when the tool is done

BOOL WINAPI onConsoleEvent(DWORD event)
{
    int number = SIGTERM;
    if (event == CTRL_C_EVENT)
        number = SIGINT;
    else if (event == CTRL_BREAK_EVENT)
        number = SIGBREAK;
    const QPointer<StopSignals> target = receiver;
    if (!target)
        return FALSE;
    QMetaObject::invokeMethod(target.data(), [target, number] {
        if (target)
            emit target->requested(number);
    }, Qt::QueuedConnection);
    // Windows ends the process as soon as a close, log-off or shut-down
    // handler returns: wait a little for the port to be closed first.
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && finished)
        WaitForSingleObject(finished, 4000);
    return TRUE;
}

} // namespace

StopSignals::StopSignals(QObject *parent)
    : QObject(parent)
{
    receiver = this;
    finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

void StopSignals::ignoreBrokenPipe()
{
}

StopSignals::~StopSignals()
{
    SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    receiver = nullptr;
    if (finished) {
        SetEvent(finished);
        CloseHandle(finished);
        finished = nullptr;
    }
}

#endif
