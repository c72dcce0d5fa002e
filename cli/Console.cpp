#include "Console.h"

#include "ProgressLine.h"
#include "StatusLine.h"

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

void write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

Console::Console(Verbosity verbosity)
    : m_verbosity(verbosity)
{
#ifdef Q_OS_WIN
    // The streams carry UTF-8; tell the console so.
    SetConsoleOutputCP(CP_UTF8);
#endif
}

void Console::data(const QString &text)
{
    write(stdout, text);
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
    write(stderr, text);
}

void Console::writeErr(const QString &line)
{
    if (m_progress)
        m_progress->clear();
    write(stderr, line + u'\n');
}
