// SPDX-License-Identifier: MIT
#pragma once

#include "CommandTable.h"

#include <QByteArray>
#include <QString>

// Conversions between the configuration image and the command table with the
// two default-state bytes, as pure functions; Configuration holds the state
// they work on.

struct ImageDecoding
{
    // 1-based position of the byte that could not be decoded (a code byte that
    // is not a decimal digit, or a position beyond the end); 0 on success.
    int failedPosition = 0;
    CommandTable table;
    quint8 defaultStateByte1 = 0;
    quint8 defaultStateByte2 = 0;

    bool ok() const { return failedPosition == 0; }
};

// Decodes positions 1..715 of image over `previous`: a cell whose code is a
// digit outside the vocabulary keeps its previous text. Either the whole image
// decodes, or the result reports the failing position and its table must not
// be used.
ImageDecoding decodeImage(const QByteArray &image, const CommandTable &previous);
// The whole image decodes: it holds a configuration.
bool isConfigurationImage(const QByteArray &image);

struct ImageEncoding
{
    enum class Problem {
        None,
        SmsTooLong,         // more than 32 characters
        SmsUnmappable,      // a character that Windows-1250 cannot hold
        SmsFillCharacter,   // "˙" is byte 0xFF, which the decoder drops as fill
        TimeNotWholeNumber,
        TimeOutOfRange,     // outside -32..95, the range of the seven-bit field
    };

    Problem problem = Problem::None;
    int row = -1;      // 0-based table row of the problem
    QString cellText;  // the refused cell as it stands
    QByteArray image;

    bool ok() const { return problem == Problem::None; }
    // A Czech sentence naming the command and the reason, for the user.
    QString message() const;
};

// The 2048-byte image of table and the two default-state bytes. A row whose
// SMS text or time does not fit its bytes is refused: the result names the
// first such row and carries no image, so nothing malformed or shifted is ever
// produced. Output and action codes follow their cells alone: an action that
// does not go with its output is written with its own code, and a word
// outside the vocabulary as "0".
ImageEncoding encodeImage(const CommandTable &table, quint8 defaultStateByte1,
                          quint8 defaultStateByte2);

// The image that image's table and default states encode to: the same
// configuration without the fill and whatever else the decoder passes over.
// Empty when image does not decode.
QByteArray reencodedImage(const QByteArray &image);
