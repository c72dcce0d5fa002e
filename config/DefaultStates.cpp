// SPDX-License-Identifier: MIT
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

} // namespace

DefaultStateBytes composeDefaultStates(const DefaultStates &states)
{
    QString s1 = ComposePattern;
    QString s2 = ComposePattern;
    for (int k = 0; k < OutputCount; ++k) {
        if (states.at(k))
            continue;
        const StateBit bit = stateBits.at(k);
        QString &s = bit.byte == 1 ? s1 : s2;
        s = SetBitAt(s, bit.position, 0);
    }
    return {quint8(BitsToByte(s1)), quint8(BitsToByte(s2))};
}

DefaultStates decomposeDefaultStates(const DefaultStateBytes &bytes)
{
    DefaultStates states;
    for (int k = 0; k < OutputCount; ++k) {
        const StateBit bit = stateBits.at(k);
        const QString bits = ByteToBits(bit.byte == 1 ? bytes.byte1 : bytes.byte2);
        states.at(k) = !BitEquals(BitAt(bits, bit.position), 0);
    }
    return states;
}
