// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QString>

// A one-line progress bar on stderr, redrawn in place while stderr is a
// terminal; on a pipe or a file it writes nothing.
class ProgressLine
{
public:
    ProgressLine();

    bool enabled() const { return m_enabled; }

    // A new bar for the next operation.
    void start();
    // Draws position of total, at most every 100 ms; the end always.
    void update(int position, int total);
    // Takes the bar off the line, so that text can follow.
    void clear();

private:
    void draw(int position);

    bool m_enabled = false;
    bool m_shown = false;
    int m_total = 1;
    int m_width = 0; // characters of the last bar drawn
    QElapsedTimer m_lastDraw;
};
