// SPDX-License-Identifier: MIT
#include "SpreadLabel.h"

#include <QPainter>
#include <QStyle>

SpreadLabel::SpreadLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
}

void SpreadLabel::setWordCentres(const QList<int> &centres)
{
    m_centres = centres;
    update();
}

void SpreadLabel::paintEvent(QPaintEvent *event)
{
    if (m_centres.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QStringList words = text().split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < words.size() && i < m_centres.size(); ++i) {
        const int half = fontMetrics().horizontalAdvance(words.at(i)) / 2 + 1;
        const QRect box(m_centres.at(i) - half, 0, 2 * half, height());
        style()->drawItemText(&painter, box, Qt::AlignCenter, palette(), isEnabled(), words.at(i),
                              foregroundRole());
    }
}
