// SPDX-License-Identifier: MIT
// The JSON form: an object with "commands" (twenty objects) and "defaults"
// (five 0/1), and from version 1 on "format" and "version". Files without
// the last two, as the first JSON output had it, are read too.
#include "ConfigText.h"
#include "ParsedText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>
#include <optional>

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

struct Duplicate
{
    QString key;
    int line = 0;
};

// The first key that one object of valid JSON text names twice, which
// QJsonDocument would take silently, the last one winning.
std::optional<Duplicate> duplicateKey(const QString &text)
{
    struct Level
    {
        bool object = false;
        QSet<QString> keys;
    };
    QList<Level> levels;
    bool keyNext = false;
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == u'\n') {
            ++line;
        } else if (ch == u'{' || ch == u'[') {
            levels.append(Level{ch == u'{', {}});
            keyNext = ch == u'{';
        } else if (ch == u'}' || ch == u']') {
            if (!levels.isEmpty())
                levels.removeLast();
            keyNext = false;
        } else if (ch == u',') {
            keyNext = !levels.isEmpty() && levels.last().object;
        } else if (ch == u'"') {
            const qsizetype start = i;
            for (++i; i < text.size() && text.at(i) != u'"'; ++i) {
                if (text.at(i) == u'\\')
                    ++i;
            }
            if (!keyNext || levels.isEmpty())
                continue;
            keyNext = false;
            // The key as the parser reads it, escapes and all.
            const QByteArray raw = '[' + text.mid(start, i - start + 1).toUtf8() + ']';
            const QString key = QJsonDocument::fromJson(raw).array().at(0).toString();
            if (levels.last().keys.contains(key))
                return Duplicate{key, line};
            levels.last().keys.insert(key);
        }
    }
    return std::nullopt;
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
        if (const std::optional<Duplicate> duplicate = duplicateKey(text)) {
            parsed.refusal.reason = Reason::DuplicateKey;
            parsed.refusal.line = duplicate->line;
            parsed.refusal.value = duplicate->key;
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
