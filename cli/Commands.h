#pragma once

#include "ExitCode.h"
#include "ModuleLink.h"
#include "ProgressLine.h"
#include "Request.h"

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class Console;

// The commands of vrk04 over the libraries: files through ImageFile, the
// module through one ModuleLink, tables through TableFormat, configuration
// texts through ConfigText. Files are checked before the port is opened, so
// nothing reaches the module after a file error.
class Commands
{
public:
    Commands(const Request &request, Console &console);
    ~Commands();

    ExitCode run();

private:
    ExitCode ports();
    ExitCode test();
    ExitCode read();
    ExitCode write();
    ExitCode verify();
    ExitCode show();
    ExitCode diff();
    ExitCode convert();

    std::optional<QByteArray> load(const QString &path, qsizetype maximum);
    bool canSave(const QString &path);
    bool save(const QString &path, const QByteArray &bytes);
    // Saves image in the form path's suffix names, or raw when a text cannot
    // hold it exactly: then says so and returns Different.
    ExitCode saveRead(const QString &path, const QByteArray &image);
    bool openLink();
    // Starts an operation and runs the event loop until the link reports its end.
    ModuleLink::Outcome perform(int progressTotal, const std::function<void()> &start);
    ExitCode compareWith(const QByteArray &expected);

    const Request &m_request;
    Console &m_console;
    ProgressLine m_progress;
    std::unique_ptr<ModuleLink> m_link;
    QStringList m_held; // the running operation's status lines, kept back while quiet
};
