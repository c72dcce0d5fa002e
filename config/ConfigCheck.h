// SPDX-License-Identifier: MIT
#pragma once

#include "CommandTable.h"

#include <QByteArray>
#include <QList>
#include <QString>

// What a look at the configuration finds that the module will not do as the
// table says (an error), or that is likely a slip (a warning): output and
// action that do not go together, two commands with one text, characters a
// phone sends outside the GSM 7-bit alphabet, stray spaces, texts that differ
// only in case, diacritics or spaces, times outside the editor's 0..90 s.
// Rows without an SMS text are no commands and get no finding.
struct ConfigFinding
{
    enum class Severity { Error, Warning }; // "chyba", "upozornění"

    int command = 0; // 1..20
    CommandTable::Column field = CommandTable::SmsText;
    Severity severity = Severity::Warning;
    QString sentence; // what the module will do and how to mend it

    bool isError() const { return severity == Severity::Error; }
    friend bool operator==(const ConfigFinding &, const ConfigFinding &) = default;
};

// The findings of a table, ordered by command.
QList<ConfigFinding> checkTable(const CommandTable &table);

// The findings of an image that decodes, by the codes the module reads: an
// action code no action of the output has, or a code outside the vocabulary,
// is found even though the decoded table cannot show it. An image that does
// not decode gives none.
QList<ConfigFinding> checkImage(const QByteArray &image);

bool hasError(const QList<ConfigFinding> &findings);

// One finding as vrk04 check prints it and the window lists it:
// "povel 4: chyba, Tvar SMS: ...".
QString findingLine(const ConfigFinding &finding);

// "Kontrola: 1 chyba, 2 upozornění, povely 4, 7 a 9", or the words for a
// configuration without findings.
QString checkSummary(const QList<ConfigFinding> &findings);

// "4", "4 a 9", "1, 4 a 9".
QString commandNumbers(const QList<int> &numbers);
