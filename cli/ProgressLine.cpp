// SPDX-License-Identifier: MIT
#include "ProgressLine.h"

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

constexpr int Width = 40;          // cells of the bar
constexpr qint64 RedrawMs = 100;   // a terminal write per byte would slow the transfer

bool stderrIsTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

} // namespace

ProgressLine::ProgressLine()
    : m_enabled(stderrIsTerminal())
{
}

void ProgressLine::start()
{
    m_lastDraw.invalidate();
}

void ProgressLine::update(int position, int total)
{
    if (!m_enabled)
        return;
    m_total = qMax(total, 1);
    if (position < m_total && m_lastDraw.isValid() && m_lastDraw.elapsed() < RedrawMs)
        return;
    draw(position);
}

void ProgressLine::draw(int position)
{
    m_lastDraw.start();
    const double share = qBound(0.0, double(position) / m_total, 1.0);
    const int filled = int(share * Width);
    const QString line = QStringLiteral("\r[%1%2] %3 % %4/%5 B")
                             .arg(QString(filled, u'#'), QString(Width - filled, u'.'))
                             .arg(int(share * 100), 3)
                             .arg(qMin(position, m_total))
                             .arg(m_total);
    m_width = int(line.size());
    std::fputs(line.toUtf8().constData(), stderr);
    std::fflush(stderr);
    m_shown = true;
}

void ProgressLine::clear()
{
    if (!m_shown)
        return;
    // Spaces rather than an escape sequence: every console understands them.
    const QByteArray blank = '\r' + QByteArray(m_width, ' ') + '\r';
    std::fputs(blank.constData(), stderr);
    std::fflush(stderr);
    m_shown = false;
}
