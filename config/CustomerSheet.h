// SPDX-License-Identifier: MIT
#pragma once

#include "CommandTable.h"
#include "DefaultStates.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// What the customer's one-page sheet says, in the program's language: which
// SMS to send for what. Only the used commands (a non-empty SMS text) appear,
// in their order; a renderer lays the texts out and adds nothing of its own.
class CustomerSheet
{
    Q_DECLARE_TR_FUNCTIONS(CustomerSheet)

public:
    // What the sheet says besides the table: its origin line, date, fingerprint and findings.
    struct Source
    {
        QString origin;        // fileOrigin() or moduleOrigin(); may be empty
        QDate date;
        QString fingerprint;   // configFingerprint() of the image
        QStringList findings;  // the check's lines; the "Pozor" box when not empty
    };

    enum Column { Number, Sms, Output, Action, Time, RingBack, ColumnCount };

    static CustomerSheet make(const CommandTable &table, const DefaultStates &states, const Source &source);

    // The file's name without its folder.
    static QString fileOrigin(const QString &path);
    // "z modulu na COM3"
    static QString moduleOrigin(const QString &port);
    // A name ending in .pdf (any case): the sheet rather than a configuration file.
    static bool isSheetName(const QString &path);

    QString title;              // "Modul VRK-04: SMS povely"
    QString subtitle;           // the date and the origin
    QString fingerprint;        // "Otisk konfigurace: 71D3B495"
    QStringList headings;       // ColumnCount of them
    QList<QStringList> rows;    // ColumnCount cells each; the SMS as sent, "#" first
    QString statesHeading;
    QStringList states;         // "RELE1: sepnuto", ...
    QString findingsHeading;    // "Pozor"
    QStringList findings;
    QString footer;             // the program's name and version
};
