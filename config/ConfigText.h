// SPDX-License-Identifier: MIT
#pragma once

#include "CommandTable.h"
#include "DefaultStates.h"
#include "TextRefusal.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A configuration as text, in the JSON and CSV forms that formatTable writes:
// told apart from a raw image by content, read back strictly into a table and
// the image the encoder makes of it, and written only when it holds an image
// exactly. Text is UTF-8.
namespace ConfigText {

enum class Form { Image, Json, Csv };

inline const QString FormatKey = QStringLiteral("format");
inline const QString FormatName = QStringLiteral("vrk04-config");
inline const QString VersionKey = QStringLiteral("version");
inline const QString CommandsKey = QStringLiteral("commands");
inline const QString DefaultsKey = QStringLiteral("defaults");
// Written by vrk04 show; not checked when read, as a text edited by hand keeps it.
inline const QString FingerprintKey = QStringLiteral("fingerprint");
inline constexpr int Version = 1;
// A configuration text is about 2 to 3 kB; anything far longer is not one.
inline constexpr qsizetype MaximumSize = 64 * 1024;

// A command's keys (JSON) and columns (CSV): "number", "sms", "output",
// "action", "time", "confirm".
const QStringList &keys();

// JSON when the text starts with "{", CSV when it starts with the header's
// "number"; anything else, and anything holding a byte 0xFF (which UTF-8
// never has and an image's fill always does), is an image.
Form formOfContent(const QByteArray &bytes);
// By the file name's suffix: .json, .csv; any other name holds an image.
Form formOfName(const QString &path);

struct Reading
{
    TextRefusal refusal;
    CommandTable table;
    DefaultStateBytes defaults;
    QByteArray image; // the 2048 bytes a write of this table sends

    bool ok() const { return !refusal.refused(); }
};

// Reads JSON or CSV (as formOfContent tells). Twenty commands of the table's
// vocabulary whose output and action go together, texts and times the image
// can hold, five defaults 0/1; the first thing that is not so is refused.
Reading read(const QByteArray &text);

struct Rendering
{
    TextRefusal refusal; // NotDecodable or NotExact
    QByteArray bytes;

    bool ok() const { return !refusal.refused(); }
};

// The file content of image in form: the image itself, or its text when
// reading that text back gives exactly the same bytes.
Rendering render(const QByteArray &image, Form form);

} // namespace ConfigText
