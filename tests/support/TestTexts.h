// SPDX-License-Identifier: MIT
#pragma once

// A configuration as text, written here by hand rather than by the program's
// own formatter, and the image it stands for.

#include "TestBytes.h"

#include <QString>

// referenceCommandImage() with the default-state bytes a text can hold: both
// composed from 0x3F (RELE1 1, RELE2 0, RELE3 1, RELE4 0, RELE5 0).
inline QByteArray referenceTextImage()
{
    QByteArray image = referenceCommandImage();
    image[ConfigImageLayout::offset(ConfigImageLayout::DefaultStateByte1Pos)] = char(0x35);
    image[ConfigImageLayout::offset(ConfigImageLayout::DefaultStateByte2Pos)] = char(0x3E);
    return image;
}

// referenceTextImage() as CSV, lines ending in CR LF.
inline QByteArray referenceCsv()
{
    QString text = QStringLiteral("number,sms,output,action,time,confirm\r\n");
    for (int n = 1; n <= 20; ++n) {
        text += n == 5 ? QStringLiteral("5,Zapni čer,RELE3,IMPULS,5,ANO\r\n")
                       : QStringLiteral("%1,,SYSTEM,TEST,0,NE\r\n").arg(n);
    }
    return (text + QStringLiteral("defaults,1,0,1,0,0\r\n")).toUtf8();
}

// referenceTextImage() as JSON, laid out as vrk04 show writes it.
inline QByteArray referenceJson()
{
    const QString command = QStringLiteral(
        "    {\"number\": %1, \"sms\": \"%2\", \"output\": \"%3\", \"action\": \"%4\", \"time\": %5, \"confirm\": \"%6\"}");
    QStringList commands;
    for (int n = 1; n <= 20; ++n) {
        commands << (n == 5 ? command.arg(QStringLiteral("5"), QStringLiteral("Zapni čer"), QStringLiteral("RELE3"),
                                          QStringLiteral("IMPULS"), QStringLiteral("5"), QStringLiteral("ANO"))
                            : command.arg(QString::number(n), QString(), QStringLiteral("SYSTEM"),
                                          QStringLiteral("TEST"), QStringLiteral("0"), QStringLiteral("NE")));
    }
    return (QStringLiteral("{\n  \"format\": \"vrk04-config\",\n  \"version\": 1,\n  \"commands\": [\n")
            + commands.join(QStringLiteral(",\n")) + QStringLiteral("\n  ],\n  \"defaults\": [1, 0, 1, 0, 0]\n}\n"))
        .toUtf8();
}
