// SPDX-License-Identifier: MIT
#pragma once

#include "ExitCode.h"
#include "Session.h"
#include "ProgressLine.h"
#include "Request.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class Console;
class StopSignals;

// The commands of vrk04 over the libraries: files through ImageFile, the
// module through one Session, tables through TableFormat, configuration
// texts through ConfigText. Files are checked before the port is opened, so
// nothing reaches the module after a file error.
class Commands
{
public:
    Commands(const Request &request, Console &console);
    ~Commands();

    ExitCode run();

private:
    ExitCode runCommand();
    ExitCode ports();
    ExitCode test();
    ExitCode read();
    ExitCode write();
    ExitCode verify();
    ExitCode show();
    ExitCode diff();
    ExitCode convert();
    ExitCode check();
    ExitCode series();

    std::optional<QByteArray> load(const QString &path, qsizetype maximum);
    // A file to write to a module, filled up to a whole image.
    std::optional<QByteArray> loadWhole(const QString &path);
    // The check's findings on stderr, errors always, warnings unless quiet;
    // true when one is an error.
    bool reportFindings(const QByteArray &image);
    bool canSave(const QString &path);
    bool save(const QString &path, const QByteArray &bytes);
    bool choosePort();
    // Saves image in the form path's suffix names, or raw when a text cannot
    // hold it exactly: then says so and returns Different.
    ExitCode saveRead(const QString &path, const QByteArray &image);
    bool openLink();
    // Starts an operation and runs the event loop until the link reports its end.
    ModuleLink::Outcome perform(const std::function<void()> &start);
    ExitCode compareWith(const QByteArray &expected);
    // What a read that is not a whole configuration leaves: never in place of a file.
    ExitCode keepModuleBytes(const QString &path, const QByteArray &received);
    // A stop request during perform(): the first Ctrl+C lets a write finish.
    void stopRequested(int number);
    // The exit code of an operation that did not succeed: 128 + signal when stopped.
    ExitCode linkFailure() const;

    const Request &m_request;
    Console &m_console;
    ProgressLine m_progress;
    std::unique_ptr<Session> m_session;
    ModuleLink *m_link = nullptr; // the session's
    qsizetype m_writeSize = 0;    // the image the running write sends
    QString m_port; // --port, or the one USB adapter present
    QStringList m_held; // the running operation's status lines, kept back while quiet
    std::unique_ptr<StopSignals> m_stops;
    QElapsedTimer m_clock;    // since the running operation started
    int m_finishWrite = 0;    // the signal that asked to stop once the write is done
    int m_stoppedBy = 0;      // the signal that stopped an operation
    QString m_failureTrace;   // series: the trace of its last failed module
};
