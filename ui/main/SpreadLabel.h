// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QList>

// A one-line label whose words are drawn centred at given horizontal
// positions, so that names stand over the controls below them whatever the
// widths of the font present. text() stays exactly as set; only the drawing
// spreads it. Without centres it draws as a plain label.
class SpreadLabel : public QLabel
{
    Q_OBJECT

public:
    explicit SpreadLabel(const QString &text = {}, QWidget *parent = nullptr);

    // The centre of each word in turn, in the label's own x coordinates.
    void setWordCentres(const QList<int> &centres);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<int> m_centres;
};
