// SPDX-License-Identifier: MIT
#pragma once

#include "TextRefusal.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// A configuration text split into its fields, before the fields are checked:
// what the JSON and the CSV reader hand to ConfigText::read.
struct ParsedText
{
    struct Command
    {
        int line = 0;                 // CSV only
        std::array<QString, 6> cells; // number (null when left out), sms, output, action, time, confirm
    };

    TextRefusal refusal;
    QList<Command> commands;
    QStringList defaults;             // as written: "0", "1", or anything else
    int defaultsLine = 0;             // CSV only
    bool hasDefaults = false;
};

ParsedText parseJson(const QString &text);
ParsedText parseCsv(const QString &text);
