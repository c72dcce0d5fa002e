// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdio>

class ProgressLine;

// The tool's two output streams: data on stdout, status lines ("time -->
// message", as the window logs them) on stderr. Quiet leaves only errors.
class Console
{
public:
    enum class Verbosity { Normal, Quiet };

    explicit Console(Verbosity verbosity = Verbosity::Normal);

    // Data, written as UTF-8 exactly as given.
    void data(const QString &text);
    // A status line; dropped when quiet.
    void status(const QString &message);
    // A status line that says what went wrong; always written.
    void error(const QString &message);
    // A usage error, with the hint to --help; always written.
    void usage(const QString &message);
    // Lines that belong to the error before, as they are; always written.
    void lines(const QString &text);

    // Writes to stdout; a failed write other than to a closed pipe is
    // remembered, so that lost output is not reported as success.
    static void writeOut(const QString &text);
    // Why output to stdout was lost; empty when none was.
    static QString outputLost();
    // A status or error line did not reach stderr (its reader went away).
    static bool errorsLost();

    bool quiet() const { return m_verbosity == Verbosity::Quiet; }
    // The progress bar that status lines clear first, or none.
    void setProgressLine(ProgressLine *line) { m_progress = line; }

private:
    void writeErr(const QString &line);
    // Writes the text to the stream; false when not all of it arrived. A
    // Windows console gets UTF-16 (Console_win.cpp), everything else UTF-8.
    static bool write(std::FILE *stream, const QString &text);
    static bool writeUtf8(std::FILE *stream, const QString &text);

    Verbosity m_verbosity;
    ProgressLine *m_progress = nullptr;
};
