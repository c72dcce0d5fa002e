// SPDX-License-Identifier: MIT
#include "AnswerPace.h"

AnswerPace::AnswerPace(QObject *parent)
    : QObject(parent)
{
    m_clock.start();
}

void AnswerPace::progressed(int position)
{
    const qint64 now = m_clock.nsecsElapsed();
    const bool answer = position == m_last + 1;
    // The first step after the start also holds a write's set-up exchanges.
    const bool counted = answer && m_last >= 2 && !m_decided;
    if (position <= 1) {
        m_measuredNs = 0;
        m_answers = 0;
        m_decided = false;
    } else if (counted) {
        m_measuredNs += now - m_lastNs;
        ++m_answers;
    }
    m_last = position;
    m_lastNs = now;
    if (counted && m_answers == SampleAnswers) {
        m_decided = true;
        const double averageMs = m_measuredNs / 1e6 / SampleAnswers;
        if (averageMs > SlowAnswerMs)
            emit slow(qRound(averageMs));
    }
}
