// SPDX-License-Identifier: MIT
#include "ImageText.h"

#include "ConfigImage.h"
#include "ConfigWords.h"
#include "ImageFile.h"
#include "Windows1250.h"

namespace {

constexpr char16_t ControlPictures = 0x2400; // ␀ .. ␟ for 0x00 .. 0x1F
constexpr char16_t DeletePicture = 0x2421;   // ␡ for 0x7F

// The character at index i of text for a message: in quotes with its code
// point, or the code point alone for a character that would not show or would
// disturb the sentence (a control, a direction or width format character, a
// combining mark, half a surrogate pair).
QString describeCharacter(QStringView text, qsizetype i)
{
    char32_t code = text[i].unicode();
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        code = QChar::surrogateToUcs4(text[i], text[i + 1]);
    const QString value = QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
    switch (QChar::category(code)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return value;
    default:
        return QStringLiteral("„%1“ (%2)").arg(QString::fromUcs4(&code, 1), value);
    }
}

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

QString unmappedMessage(QStringView text, qsizetype index)
{
    return ConfigWords::tr("Znak %1 na pozici %2 nelze převést do znakové sady Windows-1250.\n"
                           "Data nebyla převzata.")
        .arg(describeCharacter(text, index))
        .arg(index + 1);
}

QString undecodableMessage(const QByteArray &bytes, int failedPosition)
{
    const QString reason =
        failedPosition > bytes.size()
            ? ConfigWords::tr("Data jsou příliš krátká: %1 znaků, potřeba je alespoň %2.")
                  .arg(bytes.size())
                  .arg(ConfigImageLayout::DecodedLength)
            : ConfigWords::tr("Obraz v poli: %1.").arg(ImageFile::undecodableByte(bytes, failedPosition));
    return reason + ConfigWords::tr("\nData nebyla převzata.");
}

} // namespace ImageText
