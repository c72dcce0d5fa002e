// SPDX-License-Identifier: MIT
#include "ImageText.h"

#include "Windows1250.h"

namespace {

constexpr char16_t ControlPictures = 0x2400; // ␀ .. ␟ for 0x00 .. 0x1F
constexpr char16_t DeletePicture = 0x2421;   // ␡ for 0x7F

} // namespace

namespace ImageText {

QChar displayChar(quint8 byte)
{
    if (byte < 0x20)
        return QChar(char16_t(ControlPictures + byte));
    if (byte == 0x7F)
        return QChar(DeletePicture);
    return Windows1250::toChar(byte);
}

QString bytesToDisplay(const QByteArray &bytes)
{
    QString display;
    display.reserve(bytes.size());
    for (const char b : bytes)
        display += displayChar(quint8(b));
    return display;
}

std::optional<QByteArray> displayToBytes(QStringView text, qsizetype *firstUnmapped)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u >= ControlPictures && u < ControlPictures + 0x20) {
            bytes += char(u - ControlPictures);
        } else if (u == DeletePicture) {
            bytes += char(0x7F);
        } else if (u == QChar::ParagraphSeparator) {
            bytes += "\r\n"; // Enter typed into the box, as a text box ends a line
        } else if (u == QChar::LineSeparator) {
            bytes += '\n';
        } else if (const auto byte = Windows1250::fromChar(text[i])) {
            bytes += char(*byte);
        } else {
            if (firstUnmapped)
                *firstUnmapped = i;
            return std::nullopt;
        }
    }
    return bytes;
}

} // namespace ImageText
