// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

// One line of the status log as the user sees it: the local time of day, " --> ",
// the message. The window's status box and the command-line tool both write it.
QString statusLine(const QString &message, const QTime &time = QTime::currentTime(),
                   const QLocale &locale = QLocale::system());

// The locale's time-of-day format to the second, without any time zone.
QString timeOfDayFormat(const QLocale &locale);
