// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct ImageDecoding;

enum class TableFormat { Text, Csv, Json };

// The twenty commands and the five default states of a decoded image:
// - Text: aligned columns for reading;
// - Csv: a header row, one row per command, then "defaults" and the five 0/1;
// - Json: {"format": "vrk04-config", "version": 1, "commands": [{"number",
//   "sms", "output", "action", "time", "confirm"}, ...], "defaults": [five 0/1]}.
// Csv and Json are what ConfigText reads back. A fingerprint, when given,
// ends Text as a line and is a member "fingerprint" of Json; Csv has no room.
QString formatTable(const ImageDecoding &decoded, TableFormat format, const QString &fingerprint = {});

// A CSV field as RFC 4180 writes it: quoted when it holds a comma, a quote
// or a line break, its quotes doubled.
QString csvField(const QString &text);

// Control characters (C0, DEL, C1) would break the columns or act on the
// terminal: text as the tool shows it, with them escaped as \xHH and a
// backslash as \\, so that the text stays unambiguous.
QString visibleText(const QString &text);
