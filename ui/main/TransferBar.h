// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QProgressBar>

// The transfer's progress bar. A bar repainted on every byte of a transfer
// would slow the transfer down: it follows the progress at most every 80 ms,
// and exactly when an operation ends.
class TransferBar : public QProgressBar
{
    Q_OBJECT

public:
    explicit TransferBar(QWidget *parent = nullptr);

    void follow(int position, int total);
    // Every end empties the bar: where a transfer stopped is told by the log
    // and the failure's message, not by a bar frozen at that point.
    void empty();

private:
    void draw(int position, int total);

    QElapsedTimer m_redrawn;
};
