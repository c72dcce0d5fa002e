// SPDX-License-Identifier: MIT
#include "StatusBox.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFragment>

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
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QString whole = block.begin().fragment().charFormat().toolTip();
        text += (whole.isEmpty() ? block.text() : whole) + LineEnd;
    }
    return text;
}

void StatusBox::LogStatus(const QString &message)
{
    insertAtTop(statusLine(message), {});
}

void StatusBox::LogAdvice(const QString &message)
{
    const QString line = statusLine(message);
    const int width = viewport()->width() - 2 * int(document()->documentMargin()) - 2;
    QTextCharFormat whole;
    whole.setToolTip(line);
    insertAtTop(fontMetrics().elidedText(line, Qt::ElideMiddle, width), whole);
}

void StatusBox::insertAtTop(const QString &shown, const QTextCharFormat &format)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::Start);
    if (!document()->isEmpty()) {
        cursor.insertText(QString(QChar::ParagraphSeparator), {});
        cursor.movePosition(QTextCursor::Start);
    }
    cursor.insertText(shown, format);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}
