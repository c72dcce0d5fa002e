// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QObject>

// How fast the module answers during a read, write or verify. A USB-serial
// adapter holds each answer back for its latency timer (16 ms by default),
// which makes a transfer a dozen times slower than the line: when the first
// SampleAnswers data bytes take on average more than SlowAnswerMs each, it
// says so once for the transfer.
class AnswerPace : public QObject
{
    Q_OBJECT

public:
    static constexpr int SampleAnswers = 100;
    static constexpr int SlowAnswerMs = 5;

    explicit AnswerPace(QObject *parent = nullptr);

    // Every change of a transfer's position. A position of 0 or 1 starts a
    // transfer (a read's first byte, a write's set-up); each step of exactly
    // one after that is one answer of the module.
    void progressed(int position);

signals:
    void slow(int averageMs);

private:
    QElapsedTimer m_clock;
    int m_last = -1;
    qint64 m_lastNs = 0;
    qint64 m_measuredNs = 0;
    int m_answers = 0;
    bool m_decided = false;
};
