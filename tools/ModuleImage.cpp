// SPDX-License-Identifier: MIT
#include "ModuleImage.h"

namespace ModuleImage {

namespace {

constexpr char Fill = char(0xFF);
constexpr int SmsFieldSize = 32;
constexpr int CommandCount = 20;

struct Command
{
    const char *sms; // Windows-1250
    char output;
    char action;
    quint8 timeByte; // bit 7 confirmation, bits 0..6 time + 32
};

const Command Commands[] = {
    {"ZAPNI TOPEN\xCD", '1', '1', 0x80 | (0 + 32)},
    {"VYPNI TOPEN\xCD", '1', '0', 0 + 32},
    {"OTEV\xD8I BR\xC1NU", '2', '2', 0x80 | (5 + 32)},
    {"\xC8""ERPADLO", '3', '3', 0 + 32},
    {"sv\xECtla", '4', '1', 0x80 | (90 + 32)},
    {"\x8E""ALUZIE DOL\xD9", '5', '2', 30 + 32},
    {"STAV", '0', '0', 0x80 | (0 + 32)},
    {"RESTART", '0', '1', 0 + 32},
};
constexpr int CommandsGiven = int(std::size(Commands));

} // namespace

QByteArray defaultImage()
{
    QByteArray image;
    for (int k = 0; k < CommandCount; ++k) {
        const QByteArray sms = k < CommandsGiven ? QByteArray(Commands[k].sms) : QByteArray();
        image += sms + QByteArray(SmsFieldSize - sms.size(), Fill);
    }
    image += QByteArray(3, Fill);
    image += "\x35\x3E";
    image += QByteArray(10, Fill);
    for (int k = 0; k < CommandCount; ++k) {
        const Command c = k < CommandsGiven ? Commands[k] : Command{"", '0', '0', 0 + 32};
        image += c.output;
        image += c.action;
        image += char(c.timeByte);
    }
    return resized(image, Size);
}

QByteArray numberedImage(int number)
{
    QByteArray image = defaultImage();
    const QByteArray sms = "MODUL " + QByteArray::number(number);
    const int field = 7 * SmsFieldSize;
    image.replace(field, SmsFieldSize, sms + QByteArray(SmsFieldSize - sms.size(), Fill));
    return image;
}

QByteArray erasedImage(int size)
{
    return QByteArray(size, Fill);
}

QByteArray resized(QByteArray image, int size)
{
    if (image.size() > size)
        image.truncate(size);
    else
        image.append(size - image.size(), Fill);
    return image;
}

} // namespace ModuleImage
