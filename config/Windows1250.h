// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The byte strings of the program (the EEPROM image, everything on the serial
// line, the SMS texts) are Windows-1250. This fixed table maps every byte
// 0-255 to exactly one character and back. The five bytes the code page leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) map to the C1 controls of the same
// value, so every byte survives a round trip.
namespace Windows1250 {

QChar toChar(quint8 byte);
std::optional<quint8> fromChar(QChar ch);

QString toText(const QByteArray &bytes);

// The bytes of text, or nothing when a character has no byte; firstUnmapped
// (when given) then receives the index of the first such character.
std::optional<QByteArray> fromText(QStringView text, qsizetype *firstUnmapped = nullptr);

} // namespace Windows1250
