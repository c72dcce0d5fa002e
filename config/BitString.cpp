// SPDX-License-Identifier: MIT
#include "BitString.h"

QString ByteToBits(int n)
{
    QString bits;
    while (n > 1) {
        const int r = n % 2;
        n = (n - r) / 2;
        bits.prepend(QChar(u'0' + r));
    }
    bits.prepend(QChar(u'0' + n));
    while (bits.size() < 8)
        bits.prepend(u'0');
    return bits;
}

int BitsToByte(QStringView s)
{
    int value = 0;
    for (int i = 0; i <= 7; ++i) {
        const qsizetype index = 7 - i; // position 8 - i, 0-based
        if (index < s.size() && s[index] == u'1')
            value += 1 << i;
    }
    return value;
}

QString BitAt(QStringView s, int p)
{
    if (p < 1 || p > s.size())
        return {};
    return s.mid(p - 1, 1).toString();
}

QString SetBitAt(QStringView s, int p, int v)
{
    return SetBitAt(s, p, QChar(v ? u'1' : u'0'));
}

QString SetBitAt(QStringView s, int p, QChar v)
{
    return s.left(p - 1).toString() + v + s.right(8 - p).toString();
}

QString SetBitAt(QStringView s, int p, char v)
{
    return SetBitAt(s, p, QLatin1Char(v));
}

bool BitEquals(const QString &bit, int v)
{
    bool ok = false;
    const int n = bit.toInt(&ok);
    return ok && n == v;
}
