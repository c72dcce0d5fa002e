// SPDX-License-Identifier: MIT
#include "StatusBox.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace {

const QString LineEnd = QStringLiteral("\r\n");

} // namespace

StatusBox::StatusBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
}

QString StatusBox::text() const
{
    if (document()->isEmpty())
        return {};
    QString text;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        text += block.text() + LineEnd;
    return text;
}

void StatusBox::LogStatus(const QString &message)
{
    const QString line = statusLine(message);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::Start);
    if (document()->isEmpty())
        cursor.insertText(line);
    else
        cursor.insertText(line + QChar::ParagraphSeparator);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}
