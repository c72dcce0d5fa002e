// SPDX-License-Identifier: MIT
#include "LinkLabel.h"

#include "Layout.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextColour(this, Palette::LinkBlue);
    setCursor(Qt::PointingHandCursor);
    underline();
}

void LinkLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

// A font set on the label itself replaces the underline; put it back.
void LinkLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange && !font().underline())
        underline();
    QLabel::changeEvent(event);
}

// Only the underline is the label's own; size and family follow the window.
void LinkLabel::underline()
{
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}
