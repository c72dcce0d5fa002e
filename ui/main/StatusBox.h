// SPDX-License-Identifier: MIT
#pragma once

#include "StatusLine.h"

#include <QPlainTextEdit>

class QTextCharFormat;

// The status log: lines of "time --> message", newest first, each ending in
// CR LF. The box holds the log and nothing else keeps a copy; text() gives it
// back in that form.
class StatusBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit StatusBox(QWidget *parent = nullptr);

    QString text() const;

    // Adds one line at the top, stamped with the local time of day, and
    // brings it into view.
    void LogStatus(const QString &message);
    // The same for advice: shown on one line of the box, cut in the middle to
    // its width so that a copy's file name stays in sight; whole in the
    // line's tool tip and in text().
    void LogAdvice(const QString &message);

private:
    void insertAtTop(const QString &shown, const QTextCharFormat &format);
};
