// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Differences between two configuration images as the user reads them: by
// command and field, by default output, and for the bytes outside the table
// (the fill, the constant bits, the length) by position.
struct ConfigDifference
{
    QString where;  // "Povel 3, Tvar SMS", "Výchozí stav RELE2", "Pozice 700 až 702 (výplň)", "Délka"
    QString left;   // as the first image has it
    QString right;  // as the second image has it
    int command = 0; // 1..20 for a command's field, else 0
    QString field = {}; // that field's heading

    // "where: left -> right", one line.
    QString line() const;
    // The change from left to right as a command's line: "povel 3: Tvar SMS
    // „ZAP1“ → „ZAPNI1“"; "where: left → right" for anything else.
    QString change() const;
    friend bool operator==(const ConfigDifference &, const ConfigDifference &) = default;
};

// Every difference between two images that both decode; empty when they are
// equal byte for byte.
QList<ConfigDifference> configDifferences(const QByteArray &left, const QByteArray &right);
