// SPDX-License-Identifier: MIT
#pragma once

// Byte strings for the suites: golden images, built byte by byte from the
// EEPROM layout rather than by the program's own encoder, and small helpers.

#include "ConfigImage.h"

#include <QByteArray>
#include <QFile>
#include <initializer_list>

// The bytes of the given values, in order.
inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(char(v));
    return result;
}

inline QByteArray referenceResetImage()
{
    // 640 bytes of empty SMS fields, 3 fill, both default bytes 0x3F, 10 fill,
    // twenty records "0", "0", 0x20 (SYSTEM, TEST, 0 s, no confirmation),
    // 1333 fill.
    const char FF = char(0xFF);
    QByteArray image(640, FF);
    image += QByteArray(3, FF);
    image += "\x3F\x3F";
    image += QByteArray(10, FF);
    for (int k = 0; k < 20; ++k)
        image += QByteArray("00\x20", 3);
    image += QByteArray(1333, FF);
    return image;
}

// Every byte value once, 0 to 255 in order.
inline QByteArray allBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes += char(b);
    return bytes;
}

// The reset image with command 5 "Zapni čer" on RELE3, IMPULS, 5 s, confirmed,
// and the default outputs 1, 0, 1, 0, 0: what a window shows once it has
// decoded it, and encodes back to exactly these bytes.
inline QByteArray referenceCommandImage()
{
    using namespace ConfigImageLayout;
    QByteArray image = referenceResetImage();
    image.replace(offset(smsFieldPos(4)), 9, QByteArray("Zapni \xE8" "er"));
    image.replace(offset(recordPos(4)), 3, QByteArray("32\xA5"));
    image[offset(DefaultStateByte1Pos)] = char(0xF5);
    image[offset(DefaultStateByte2Pos)] = char(0x00);
    return image;
}

// The whole file, or nothing when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
