// SPDX-License-Identifier: MIT
#include "Fingerprint.h"

#include "ConfigImage.h"
#include "Configuration.h"
#include "ImageCodec.h"

#include <array>

namespace {

constexpr quint32 Polynomial = 0xEDB88320; // IEEE 802.3, bit-reversed

constexpr std::array<quint32, 256> makeTable()
{
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? Polynomial ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<quint32, 256> CrcTable = makeTable();

} // namespace

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : bytes)
        crc = CrcTable[(crc ^ quint8(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFF;
}

QString configFingerprint(const QByteArray &encodedImage)
{
    return QStringLiteral("%1")
        .arg(crc32(encodedImage.left(ConfigImageLayout::DecodedLength)), 8, 16, QLatin1Char('0'))
        .toUpper();
}

QString configFingerprint(const Configuration &config)
{
    const ImageEncoding encoding = encodeImage(config.CommandTable(), config.DefaultStateByte1(),
                                               config.DefaultStateByte2());
    return encoding.ok() ? configFingerprint(encoding.image) : QString();
}
