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

    // A new bar for total bytes.
    void start(int total);
    // Draws value of total, at most every 100 ms; value equal to total always.
    void update(double value);
    // Takes the bar off the line, so that text can follow.
    void clear();

private:
    void draw(double value);

    bool m_enabled = false;
    bool m_shown = false;
    int m_total = 1;
    int m_width = 0; // characters of the last bar drawn
    QElapsedTimer m_lastDraw;
};
