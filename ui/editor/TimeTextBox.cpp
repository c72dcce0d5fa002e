// SPDX-License-Identifier: MIT
#include "TimeTextBox.h"

#include "InputFilter.h"

#include <QKeyEvent>

namespace {

bool isDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

// Keys that type no character (arrows, Home, End, Delete) and the editing
// shortcuts act as usual; a typed character gets through only if it is a
// digit or Backspace.
bool passesKeyFilter(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        break;
    }
    for (const auto shortcut : {QKeySequence::Paste, QKeySequence::Copy, QKeySequence::Cut,
                                QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo}) {
        if (event->matches(shortcut))
            return true;
    }
    const QString text = event->text();
    return text.isEmpty() || (text.size() == 1 && isDigit(text.at(0)));
}

} // namespace

TimeTextBox::TimeTextBox(QWidget *parent)
    : QLineEdit(parent)
    , m_filter(new InputFilter(isDigit, MaxDigits, this))
{
    connect(this, &QLineEdit::textChanged, this, &TimeTextBox::holdAtMaximum);
}

void TimeTextBox::showTime(const QString &time)
{
    m_filter->setTextAsIs(time);
}

void TimeTextBox::keyPressEvent(QKeyEvent *event)
{
    if (passesKeyFilter(event))
        QLineEdit::keyPressEvent(event);
    else
        event->accept();
}

void TimeTextBox::holdAtMaximum()
{
    bool isNumber = false;
    const qlonglong seconds = text().toLongLong(&isNumber);
    if (isNumber && seconds > MaxSeconds)
        setText(QString::number(MaxSeconds));
}
