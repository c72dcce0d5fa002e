// SPDX-License-Identifier: MIT
#include "Console.h"

#include "ProgressLine.h"
#include "StatusLine.h"

#include <QCoreApplication>

#include <cerrno>

namespace {

QString lostOutput;
bool lostErrors = false;

} // namespace

Console::Console(Verbosity verbosity)
    : m_verbosity(verbosity)
{
}

bool Console::writeUtf8(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    const bool whole = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size());
    return std::fflush(stream) == 0 && whole;
}

void Console::data(const QString &text)
{
    writeOut(text);
}

void Console::writeOut(const QString &text)
{
    if (write(stdout, text) || !lostOutput.isEmpty())
        return;
    // A reader that went away (| head) wanted no more: nothing was lost.
    if (errno == EPIPE)
        return;
    lostOutput = qt_error_string(errno);
    std::clearerr(stdout);
}

QString Console::outputLost()
{
    return lostOutput;
}

bool Console::errorsLost()
{
    return lostErrors;
}

void Console::status(const QString &message)
{
    if (!quiet())
        writeErr(statusLine(message));
}

void Console::error(const QString &message)
{
    writeErr(statusLine(message));
}

void Console::usage(const QString &message)
{
    writeErr(QStringLiteral("vrk04: %1 (vrk04 --help)").arg(message));
}

void Console::lines(const QString &text)
{
    if (m_progress)
        m_progress->clear();
    if (!write(stderr, text))
        lostErrors = true;
}

void Console::writeErr(const QString &line)
{
    if (m_progress)
        m_progress->clear();
    if (!write(stderr, line + u'\n'))
        lostErrors = true;
}
