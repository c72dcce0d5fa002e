#include "DefaultStates.h"

#include "BitString.h"

namespace {

const QString ComposePattern = QStringLiteral("00111111"); // 0x3F

struct StateBit
{
    int byte;     // 1 or 2
    int position; // bit-string position
};

// Output k (1..5) at index k - 1.
constexpr std::array<StateBit, OutputCount> stateBits = {{{1, 8}, {1, 7}, {1, 6}, {1, 5}, {2, 8}}};

bool readsAs(const QString &caption, int v)
{
    bool ok = false;
    const int n = caption.toInt(&ok);
    return ok && n == v;
}

} // namespace

DefaultStateBytes composeDefaultStates(const DefaultCaptions &captions)
{
    QString s1 = ComposePattern;
    QString s2 = ComposePattern;
    for (int k = 1; k <= OutputCount; ++k) {
        if (!readsAs(captions.at(k - 1), 0))
            continue;
        const StateBit bit = stateBits.at(k - 1);
        QString &s = bit.byte == 1 ? s1 : s2;
        s = SetBitAt(s, bit.position, 0);
    }
    return {quint8(BitsToByte(s1)), quint8(BitsToByte(s2))};
}

int defaultStateBit(int output, quint8 byte1, quint8 byte2)
{
    const StateBit bit = stateBits.at(output - 1);
    const QString bits = ByteToBits(bit.byte == 1 ? byte1 : byte2);
    return BitEquals(BitAt(bits, bit.position), 0) ? 0 : 1;
}

QString defaultCaption(const QString &caption, int v)
{
    if (v == 0 && readsAs(caption, 1))
        return QStringLiteral("0");
    if (v == 1 && readsAs(caption, 0))
        return QStringLiteral("1");
    return caption;
}

QString toggledDefaultCaption(const QString &caption)
{
    if (caption == u"1")
        return defaultCaption(caption, 0);
    if (caption == u"0")
        return defaultCaption(caption, 1);
    return caption;
}
