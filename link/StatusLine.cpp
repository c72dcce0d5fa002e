// SPDX-License-Identifier: MIT
#include "StatusLine.h"

QString statusLine(const QString &message, const QTime &time, const QLocale &locale)
{
    return locale.toString(time, timeOfDayFormat(locale)) + QStringLiteral(" --> ") + message;
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
