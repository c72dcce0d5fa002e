// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Why a configuration in text (JSON, CSV) is refused, or why an image cannot
// be held by one: a reason with where it was found (line, command, field) and
// the refused value. The Czech sentence is made here and nowhere else.
class TextRefusal
{
    Q_DECLARE_TR_FUNCTIONS(TextRefusal)

public:
    enum class Reason {
        None,
        NotUtf8,
        BadJson,             // value: the character within the line
        NotObject,           // value: the JSON value as written
        NotList,
        NotText,
        NotNumber,
        UnknownFormat,
        UnknownVersion,
        UnknownKey,          // value: the key
        DuplicateKey,        // value: the key, named twice in one object
        MissingKey,
        MissingColumn,       // value: the column's name
        BadHeader,           // value: the header as it must be
        UnclosedQuote,
        FieldCount,          // value: the number of fields
        ExtraLine,
        CommandCount,        // value: the number of commands
        NumberMismatch,
        UnknownOutput,
        UnknownAction,       // detail: the row's output
        UnknownConfirmation,
        SmsTooLong,
        SmsUnmappable,
        SmsFillCharacter,
        TimeNotWholeNumber,
        TimeOutOfRange,
        MissingDefaults,
        DefaultsCount,       // value: the number of states
        DefaultNotBit,       // detail: the output, RELE1 .. RELE5
        NotDecodable,        // value: the 1-based position
        NotExact,            // value: the first difference; detail: the form
    };
    enum class Field { None, Format, Version, Number, Sms, Output, Action, Time, Confirmation, Defaults };

    Reason reason = Reason::None;
    int line = 0;     // 1-based line of the text; 0 when it has none
    int command = 0;  // 1-based command; 0 when the refusal is not about one
    Field field = Field::None;
    QString value;
    QString detail;

    bool refused() const { return reason != Reason::None; }
    // "m.csv, řádek 7 (povel 6), čas: „-40“ je mimo rozsah -32..95"; with an
    // empty file name it starts at what is named next.
    QString message(const QString &file) const;

private:
    QString where(const QString &file) const;
    QString why() const;
};
