// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

// The configuration image as the text the image box shows: one character per
// byte in Windows-1250, except that the control bytes 0x00-0x1F and 0x7F show
// as their Unicode control pictures (␀, ␍, ␊ ... ␡), because a text document
// cannot hold CR, LF or NUL as themselves. Every byte is then one distinct,
// visible character.
namespace ImageText {

QChar displayChar(quint8 byte);

QString bytesToDisplay(const QByteArray &bytes);

// The bytes of the shown text; nothing when a character has no byte, whose
// index then goes to firstUnmapped (when given).
std::optional<QByteArray> displayToBytes(QStringView text, qsizetype *firstUnmapped = nullptr);

// Why a shown text was not taken: the character at index has no byte.
QString unmappedMessage(QStringView text, qsizetype index);
// Why the bytes of a shown text were not taken: they end before the
// configuration does, or they do not decode at failedPosition.
QString undecodableMessage(const QByteArray &bytes, int failedPosition);

} // namespace ImageText
