#include "StatusBox.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTime>

namespace {

const QString Separator = QStringLiteral(" --> ");
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
    const QLocale locale = QLocale::system();
    const QString line = locale.toString(QTime::currentTime(), timeOfDayFormat(locale)) + Separator + message;
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::Start);
    if (document()->isEmpty())
        cursor.insertText(line);
    else
        cursor.insertText(line + QChar::ParagraphSeparator);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

QString timeOfDayFormat(const QLocale &locale)
{
    // The long format is the one with seconds; it may add a zone ("t"), which
    // is dropped here together with the space before it.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar ch : format) {
        if (ch == u'\'')
            quoted = !quoted;
        if (!quoted && ch == u't')
            continue;
        result += ch;
    }
    return result.trimmed();
}
