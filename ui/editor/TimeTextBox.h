// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

class InputFilter;

// The time field of the command editor: seconds, 0 to 90. Of the typed
// characters only the digits and Backspace reach it; pasted or dropped text
// keeps only its digits; at most two digits go in. Whenever its text changes
// to a number above 90 the text becomes "90".
class TimeTextBox : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr int MaxDigits = 2;
    static constexpr int MaxSeconds = 90;

    explicit TimeTextBox(QWidget *parent = nullptr);

    // A stored time as it is (a leading zero or a minus sign stays), held at
    // 90 at most.
    void showTime(const QString &time);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void holdAtMaximum();

    InputFilter *m_filter;
};
