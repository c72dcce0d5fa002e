// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

class Configuration;

// The configuration's fingerprint: CRC-32 (IEEE 802.3, as zlib's crc32) of
// image positions 1..715, the part the module reads as its configuration,
// written as eight upper-case hex digits. It names a configuration whatever
// form it is kept in and whatever the module holds past position 715.
QString configFingerprint(const QByteArray &encodedImage);

// The fingerprint of the table and default states as TableToImage encodes
// them; empty when a row cannot be encoded.
QString configFingerprint(const Configuration &config);

quint32 crc32(const QByteArray &bytes);

// The fingerprint of an image as a module or a file holds it: its table and
// default states encoded afresh, so that the fill and whatever else the
// decoder passes over do not count. Empty when the image does not decode.
QString imageFingerprint(const QByteArray &image);

// "Otisk konfigurace: 71D3B495", as the window logs it and the tool prints it.
QString fingerprintLine(const QString &fingerprint);
