// SPDX-License-Identifier: MIT
#include "ConfigText.h"

#include "ConfigDiff.h"
#include "ImageCodec.h"
#include "ParsedText.h"
#include "TableFormat.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

using Reason = TextRefusal::Reason;
using Field = TextRefusal::Field;

namespace ConfigText {

namespace {

// The fields of one command, checked against the table's vocabulary; the
// texts and times are left to the encoder, which knows what fits its bytes.
bool checkCommand(const ParsedText::Command &command, int number, Reading &reading)
{
    TextRefusal &refusal = reading.refusal;
    auto refuse = [&](Reason reason, Field field, int cell, const QString &detail = QString()) {
        refusal.reason = reason;
        refusal.field = field;
        refusal.value = command.cells.at(cell);
        refusal.detail = detail;
        return false;
    };
    refusal.line = command.line;
    refusal.command = number;
    const QString &output = command.cells.at(2);
    const QString &action = command.cells.at(3);
    const QString &time = command.cells.at(4);
    const QString &confirmation = command.cells.at(5);
    if (!command.cells.at(0).isNull() && command.cells.at(0) != QString::number(number))
        return refuse(Reason::NumberMismatch, Field::Number, 0);
    if (!Vocabulary::outputs().contains(output))
        return refuse(Reason::UnknownOutput, Field::Output, 2);
    const QStringList &actions =
        output == Vocabulary::System ? Vocabulary::systemActions() : Vocabulary::relayActions();
    if (!actions.contains(action))
        return refuse(Reason::UnknownAction, Field::Action, 3, output);
    static const QRegularExpression wholeNumber(QStringLiteral("^-?[0-9]{1,6}$"));
    if (!wholeNumber.match(time).hasMatch())
        return refuse(Reason::TimeNotWholeNumber, Field::Time, 4);
    if (confirmation != Vocabulary::Yes && confirmation != Vocabulary::No)
        return refuse(Reason::UnknownConfirmation, Field::Confirmation, 5);
    reading.table.setRow(number - 1, {command.cells.at(1), output, action, time, confirmation});
    refusal = {};
    return true;
}

bool checkDefaults(const ParsedText &parsed, Reading &reading)
{
    TextRefusal &refusal = reading.refusal;
    refusal.line = parsed.defaultsLine;
    refusal.field = Field::Defaults;
    if (parsed.defaults.size() != OutputCount) {
        refusal.reason = Reason::DefaultsCount;
        refusal.value = QString::number(parsed.defaults.size());
        return false;
    }
    DefaultStates states;
    for (int k = 0; k < OutputCount; ++k) {
        const QString &state = parsed.defaults.at(k);
        if (state != u"0" && state != u"1") {
            refusal.reason = Reason::DefaultNotBit;
            refusal.value = state;
            refusal.detail = QStringLiteral("RELE%1").arg(k + 1);
            return false;
        }
        states.at(k) = state == u"1";
    }
    reading.defaults = composeDefaultStates(states);
    refusal = {};
    return true;
}

Reason reasonOf(ImageEncoding::Problem problem)
{
    switch (problem) {
    case ImageEncoding::Problem::SmsTooLong:
        return Reason::SmsTooLong;
    case ImageEncoding::Problem::SmsUnmappable:
        return Reason::SmsUnmappable;
    case ImageEncoding::Problem::SmsFillCharacter:
        return Reason::SmsFillCharacter;
    case ImageEncoding::Problem::TimeNotWholeNumber:
        return Reason::TimeNotWholeNumber;
    case ImageEncoding::Problem::TimeOutOfRange:
        return Reason::TimeOutOfRange;
    case ImageEncoding::Problem::None:
        break;
    }
    return Reason::None;
}

} // namespace

const QStringList &keys()
{
    static const QStringList list = {QStringLiteral("number"), QStringLiteral("sms"),
                                     QStringLiteral("output"), QStringLiteral("action"),
                                     QStringLiteral("time"),   QStringLiteral("confirm")};
    return list;
}

Form formOfContent(const QByteArray &bytes)
{
    if (bytes.contains(char(0xFF)))
        return Form::Image;
    QByteArrayView start(bytes);
    if (start.startsWith("\xEF\xBB\xBF"))
        start = start.sliced(3);
    while (!start.isEmpty() && QChar::isSpace(uchar(start.front())))
        start = start.sliced(1);
    if (start.startsWith('{'))
        return Form::Json;
    if (start.startsWith('"'))
        start = start.sliced(1);
    return start.startsWith(keys().constFirst().toLatin1()) ? Form::Csv : Form::Image;
}

Form formOfName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"json")
        return Form::Json;
    if (suffix == u"csv")
        return Form::Csv;
    return Form::Image;
}

Reading read(const QByteArray &bytes)
{
    Reading reading;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError()) {
        reading.refusal.reason = Reason::NotUtf8;
        return reading;
    }
    const ParsedText parsed = formOfContent(bytes) == Form::Json ? parseJson(text) : parseCsv(text);
    if (parsed.refusal.refused()) {
        reading.refusal = parsed.refusal;
        return reading;
    }
    if (parsed.commands.size() != CommandTable::RowCount) {
        reading.refusal.reason = Reason::CommandCount;
        reading.refusal.value = QString::number(parsed.commands.size());
        return reading;
    }
    for (int r = 0; r < CommandTable::RowCount; ++r) {
        if (!checkCommand(parsed.commands.at(r), r + 1, reading))
            return reading;
    }
    if (!checkDefaults(parsed, reading))
        return reading;
    const ImageEncoding encoded = encodeImage(reading.table, reading.defaults.byte1, reading.defaults.byte2);
    if (!encoded.ok()) {
        TextRefusal &refusal = reading.refusal;
        refusal.reason = reasonOf(encoded.problem);
        refusal.line = parsed.commands.at(encoded.row).line;
        refusal.command = encoded.row + 1;
        refusal.field = refusal.reason == Reason::TimeOutOfRange || refusal.reason == Reason::TimeNotWholeNumber
                            ? Field::Time
                            : Field::Sms;
        refusal.value = encoded.cellText;
        return reading;
    }
    reading.image = encoded.image;
    return reading;
}

Rendering render(const QByteArray &image, Form form)
{
    Rendering rendering;
    if (form == Form::Image) {
        rendering.bytes = image;
        return rendering;
    }
    const ImageDecoding decoded = decodeImage(image, CommandTable::emptyTable());
    if (!decoded.ok()) {
        rendering.refusal.reason = Reason::NotDecodable;
        rendering.refusal.value = QString::number(decoded.failedPosition);
        return rendering;
    }
    const QByteArray text = formatTable(decoded, form == Form::Json ? TableFormat::Json : TableFormat::Csv).toUtf8();
    const Reading reading = read(text);
    if (!reading.ok() || reading.image != image) {
        rendering.refusal.reason = Reason::NotExact;
        rendering.refusal.detail = form == Form::Json ? QStringLiteral("JSON") : QStringLiteral("CSV");
        rendering.refusal.value = reading.ok() ? configDifferences(image, reading.image).value(0).line()
                                               : reading.refusal.message(QString());
        return rendering;
    }
    rendering.bytes = text;
    return rendering;
}

} // namespace ConfigText
