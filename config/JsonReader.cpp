// SPDX-License-Identifier: MIT
// The JSON form: an object with "commands" (twenty objects) and "defaults"
// (five 0/1), and from version 1 on "format" and "version". Files without
// the last two, as the first JSON output had it, are read too.
#include "ConfigText.h"
#include "ParsedText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

using Reason = TextRefusal::Reason;
using Field = TextRefusal::Field;

namespace {

// A value as the refusal quotes it.
QString literal(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Double:
        return QString::number(value.toDouble(), 'g', 17);
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Array:
        return QStringLiteral("[…]");
    case QJsonValue::Object:
        return QStringLiteral("{…}");
    default:
        return QStringLiteral("null");
    }
}

// A whole number as decimal text; anything else as the refusal quotes it,
// which the checks after reading refuse.
QString wholeNumber(const QJsonValue &value)
{
    const double d = value.toDouble();
    if (std::floor(d) == d && std::abs(d) < 1e9)
        return QString::number(qint64(d));
    return literal(value);
}

struct Reader
{
    ParsedText parsed;

    bool refuse(Reason reason, Field field, const QJsonValue &value, int command = 0)
    {
        parsed.refusal.reason = reason;
        parsed.refusal.field = field;
        parsed.refusal.command = command;
        parsed.refusal.value = literal(value);
        return false;
    }
    bool refuseKey(Reason reason, const QString &key, int command = 0)
    {
        return refuse(reason, Field::None, key, command);
    }
    bool onlyKeys(const QJsonObject &object, const QStringList &known, int command = 0)
    {
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!known.contains(it.key()))
                return refuseKey(Reason::UnknownKey, it.key(), command);
        }
        return true;
    }

    bool header(const QJsonObject &top)
    {
        using namespace ConfigText;
        if (!onlyKeys(top, {FormatKey, VersionKey, FingerprintKey, CommandsKey, DefaultsKey}))
            return false;
        const QJsonValue format = top.value(FormatKey);
        if (!format.isUndefined() && format != QJsonValue(FormatName))
            return refuse(Reason::UnknownFormat, Field::Format, format);
        const QJsonValue version = top.value(VersionKey);
        if (!version.isUndefined() && version != QJsonValue(Version))
            return refuse(Reason::UnknownVersion, Field::Version, version);
        return true;
    }

    bool command(const QJsonValue &value, int number)
    {
        static const std::array<Field, 6> fields = {Field::Number, Field::Sms, Field::Output,
                                                    Field::Action, Field::Time, Field::Confirmation};
        if (!value.isObject())
            return refuse(Reason::NotObject, Field::None, value, number);
        const QJsonObject object = value.toObject();
        const QStringList &keys = ConfigText::keys();
        if (!onlyKeys(object, keys, number))
            return false;
        ParsedText::Command command;
        for (int i = 0; i < 6; ++i) {
            const QJsonValue cell = object.value(keys.at(i));
            const bool numeric = fields.at(i) == Field::Number || fields.at(i) == Field::Time;
            if (cell.isUndefined() && fields.at(i) == Field::Number)
                continue;
            if (cell.isUndefined())
                return refuseKey(Reason::MissingKey, keys.at(i), number);
            if (numeric && !cell.isDouble())
                return refuse(Reason::NotNumber, fields.at(i), cell, number);
            if (!numeric && !cell.isString())
                return refuse(Reason::NotText, fields.at(i), cell, number);
            command.cells.at(i) = numeric ? wholeNumber(cell) : cell.toString();
        }
        parsed.commands << command;
        return true;
    }

    bool defaults(const QJsonValue &value)
    {
        if (value.isUndefined())
            return refuseKey(Reason::MissingKey, ConfigText::DefaultsKey);
        if (!value.isArray())
            return refuse(Reason::NotList, Field::Defaults, value);
        parsed.hasDefaults = true;
        for (const QJsonValue state : value.toArray())
            parsed.defaults << (state.isDouble() ? wholeNumber(state) : literal(state));
        return true;
    }

    void read(const QString &text)
    {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
        if (error.error != QJsonParseError::NoError) {
            // The offset counts UTF-8 bytes; the refusal names line and character.
            const QString before = QString::fromUtf8(text.toUtf8().left(error.offset));
            parsed.refusal.reason = Reason::BadJson;
            parsed.refusal.line = int(before.count(u'\n')) + 1;
            parsed.refusal.value = QString::number(before.size() - before.lastIndexOf(u'\n'));
            return;
        }
        if (!document.isObject()) {
            refuse(Reason::NotObject, Field::None, document.isArray() ? QJsonValue(document.array()) : QJsonValue());
            return;
        }
        const QJsonObject top = document.object();
        if (!header(top))
            return;
        const QJsonValue commands = top.value(ConfigText::CommandsKey);
        if (commands.isUndefined() || !commands.isArray()) {
            commands.isUndefined() ? refuseKey(Reason::MissingKey, ConfigText::CommandsKey)
                                   : refuse(Reason::NotList, Field::None, commands);
            return;
        }
        int number = 0;
        for (const QJsonValue value : commands.toArray()) {
            if (!command(value, ++number))
                return;
        }
        defaults(top.value(ConfigText::DefaultsKey));
    }
};

} // namespace

ParsedText parseJson(const QString &text)
{
    Reader reader;
    reader.read(text);
    return reader.parsed;
}
