// SPDX-License-Identifier: MIT
#include "TableFormat.h"

#include "ConfigText.h"
#include "ConfigWords.h"
#include "DefaultStates.h"
#include "Fingerprint.h"
#include "ImageCodec.h"

#include <QStringList>

namespace {

using namespace ConfigText;

QList<int> defaults(const ImageDecoding &decoded)
{
    QList<int> states;
    for (bool on : decomposeDefaultStates({decoded.defaultStateByte1, decoded.defaultStateByte2}))
        states << (on ? 1 : 0);
    return states;
}

QString asText(const ImageDecoding &decoded)
{
    QList<int> widths = {2, 33, 6, 9, 5, 5};
    QStringList headings = {ConfigWords::tr("č.")};
    for (int c = 0; c < CommandTable::ColumnCount; ++c)
        headings << CommandTable::heading(c);
    // A translated heading may be wider than its column's cells.
    for (qsizetype i = 0; i < headings.size(); ++i)
        widths[i] = qMax(widths.at(i), int(headings.at(i).size()));
    auto row = [&widths](const QStringList &cells) {
        QString line;
        for (qsizetype i = 0; i < cells.size(); ++i)
            line += i + 1 < cells.size() ? cells.at(i).leftJustified(widths.at(i)) + QStringLiteral("  ") : cells.at(i);
        while (line.endsWith(u' '))
            line.chop(1);
        return line + u'\n';
    };
    QString text = row(headings);
    for (int r = 0; r < CommandTable::RowCount; ++r) {
        const CommandTable::Row &cells = decoded.table.row(r);
        text += row({QString::number(r + 1).rightJustified(2), u'#' + visibleText(cells.at(0)), cells.at(1),
                     cells.at(2), cells.at(3), cells.at(4)});
    }
    QStringList states;
    const QList<int> bits = defaults(decoded);
    for (int k = 1; k <= OutputCount; ++k)
        states << QStringLiteral("RELE%1 %2").arg(k).arg(bits.at(k - 1));
    return text + ConfigWords::tr("\nVýchozí stavy: ") + states.join(QStringLiteral(", ")) + u'\n';
}

QString asCsv(const ImageDecoding &decoded)
{
    // RFC 4180: CR LF between records; a field with a comma, a quote or a
    // line break is quoted, its quotes doubled.
    QString text = keys().join(u',') + QStringLiteral("\r\n");
    for (int r = 0; r < CommandTable::RowCount; ++r) {
        QStringList fields = {QString::number(r + 1)};
        for (const QString &cell : decoded.table.row(r))
            fields << csvField(cell);
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    QStringList states = {DefaultsKey};
    for (int bit : defaults(decoded))
        states << QString::number(bit);
    return text + states.join(u',') + QStringLiteral("\r\n");
}

QString jsonString(const QString &text)
{
    QString json = QStringLiteral("\"");
    for (const QChar ch : text) {
        if (ch == u'"' || ch == u'\\')
            json += u'\\' + QString(ch);
        else if (ch.unicode() < 0x20)
            json += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QChar(u'0'));
        else
            json += ch;
    }
    return json + u'"';
}

QString asJson(const ImageDecoding &decoded, const QString &fingerprint)
{
    // Written by hand to keep the keys in the order of the table's columns.
    QStringList commands;
    for (int r = 0; r < CommandTable::RowCount; ++r) {
        const CommandTable::Row &cells = decoded.table.row(r);
        bool number = false;
        const int time = cells.at(CommandTable::Time).toInt(&number);
        const QStringList values = {QString::number(r + 1),
                                    jsonString(cells.at(CommandTable::SmsText)),
                                    jsonString(cells.at(CommandTable::Output)),
                                    jsonString(cells.at(CommandTable::Action)),
                                    number ? QString::number(time) : jsonString(cells.at(CommandTable::Time)),
                                    jsonString(cells.at(CommandTable::Confirmation))};
        QStringList members;
        for (qsizetype i = 0; i < keys().size(); ++i)
            members << jsonString(keys().at(i)) + QStringLiteral(": ") + values.at(i);
        commands << QStringLiteral("    {") + members.join(QStringLiteral(", ")) + u'}';
    }
    QStringList states;
    for (int bit : defaults(decoded))
        states << QString::number(bit);
    const QString fingerprintMember =
        fingerprint.isEmpty() ? QString() : QStringLiteral("  \"%1\": %2,\n").arg(FingerprintKey, jsonString(fingerprint));
    return QStringLiteral("{\n  \"%1\": %2,\n  \"%3\": %4,\n%5  \"%6\": [\n")
               .arg(FormatKey, jsonString(FormatName), VersionKey)
               .arg(Version)
               .arg(fingerprintMember, CommandsKey) + commands.join(QStringLiteral(",\n"))
           + QStringLiteral("\n  ],\n  \"%1\": [").arg(DefaultsKey) + states.join(QStringLiteral(", "))
           + QStringLiteral("]\n}\n");
}

} // namespace

QString formatTable(const ImageDecoding &decoded, TableFormat format, const QString &fingerprint)
{
    switch (format) {
    case TableFormat::Text:
        return fingerprint.isEmpty() ? asText(decoded) : asText(decoded) + fingerprintLine(fingerprint) + u'\n';
    case TableFormat::Csv:
        return asCsv(decoded);
    case TableFormat::Json:
        return asJson(decoded, fingerprint);
    }
    return {};
}

QString visibleText(const QString &text)
{
    QString shown;
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code < 0x20 || (code >= 0x7F && code <= 0x9F))
            shown += QStringLiteral("\\x") + QString::number(code, 16).rightJustified(2, u'0').toUpper();
        else if (code == u'\\')
            shown += QStringLiteral("\\\\");
        else
            shown += ch;
    }
    return shown;
}

QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}
