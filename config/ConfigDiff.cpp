// SPDX-License-Identifier: MIT
#include "ConfigDiff.h"

#include "ConfigWords.h"
#include "ConfigImage.h"
#include "DefaultStates.h"
#include "ImageCodec.h"
#include "ImageDiff.h"
#include "TableFormat.h"

#include <QSet>

using namespace ConfigImageLayout;

namespace {

constexpr int ShownBytes = 8; // a longer run of differing bytes is cut short

QString quoted(const QString &text)
{
    return QStringLiteral("„%1“").arg(visibleText(text));
}

QString hexBytes(const QByteArray &bytes)
{
    QString text = QString::fromLatin1(bytes.left(ShownBytes).toHex(' ').toUpper());
    if (bytes.size() > ShownBytes)
        text += QStringLiteral(" …");
    return text;
}

// The table row whose SMS field or record holds position p, or -1.
int rowAt(int p)
{
    if (p >= 1 && p < smsFieldPos(CommandCount))
        return (p - 1) / SmsFieldSize;
    if (p >= FirstRecordPos && p < recordPos(CommandCount))
        return (p - FirstRecordPos) / RecordSize;
    return -1;
}

} // namespace

QString ConfigDifference::line() const
{
    return QStringLiteral("%1: %2 -> %3").arg(where, left, right);
}

QString ConfigDifference::change() const
{
    if (command > 0)
        return ConfigWords::tr("povel %1: %2 %3 → %4").arg(command).arg(field, left, right);
    return QStringLiteral("%1: %2 → %3").arg(where, left, right);
}

QList<ConfigDifference> configDifferences(const QByteArray &left, const QByteArray &right)
{
    QList<ConfigDifference> differences;
    if (left == right)
        return differences;
    const ImageDecoding a = decodeImage(left, CommandTable::emptyTable());
    const ImageDecoding b = decodeImage(right, CommandTable::emptyTable());
    // Fields only when both tables are whole (a module's bytes may not decode).
    const bool byField = a.ok() && b.ok();

    // Positions whose change already shows as a field.
    QSet<int> shownRows;
    for (int r = 0; byField && r < CommandTable::RowCount; ++r) {
        for (int c = 0; c < CommandTable::ColumnCount; ++c) {
            const QString &x = a.table.cell(r, c);
            const QString &y = b.table.cell(r, c);
            if (x == y)
                continue;
            shownRows.insert(r);
            const bool text = c == CommandTable::SmsText;
            differences.append({ConfigWords::tr("Povel %1, %2").arg(r + 1).arg(CommandTable::heading(c)),
                                text ? quoted(x) : x, text ? quoted(y) : y, r + 1, CommandTable::heading(c)});
        }
    }
    bool defaultsShown = false;
    const DefaultStates statesA = decomposeDefaultStates({a.defaultStateByte1, a.defaultStateByte2});
    const DefaultStates statesB = decomposeDefaultStates({b.defaultStateByte1, b.defaultStateByte2});
    for (int k = 1; byField && k <= OutputCount; ++k) {
        const int x = statesA.at(k - 1) ? 1 : 0;
        const int y = statesB.at(k - 1) ? 1 : 0;
        if (x == y)
            continue;
        defaultsShown = true;
        differences.append({ConfigWords::tr("Výchozí stav RELE%1").arg(k), QString::number(x),
                            QString::number(y)});
    }

    auto shown = [&](int p) {
        const bool defaults = p == DefaultStateByte1Pos || p == DefaultStateByte2Pos;
        return (defaults && defaultsShown) || shownRows.contains(rowAt(p));
    };
    // The remaining differing bytes, in runs within one part of the image: a
    // command's SMS text or record, a default-state byte, the fill.
    auto partOf = [](int p) { return describePosition(p).section(u',', 0, 1); };
    const int common = int(qMin(left.size(), right.size()));
    for (int p = 1; p <= common; ++p) {
        if (left.at(offset(p)) == right.at(offset(p)) || shown(p))
            continue;
        int last = p;
        while (last < common && left.at(last) != right.at(last) && !shown(last + 1)
               && partOf(last + 1) == partOf(p))
            ++last;
        const QString where = last == p
                                  ? ConfigWords::tr("Pozice %1 (%2)").arg(p).arg(describePosition(p))
                                  : ConfigWords::tr("Pozice %1 až %2 (%3)").arg(p).arg(last).arg(partOf(p));
        differences.append({where, hexBytes(left.mid(offset(p), last - p + 1)),
                            hexBytes(right.mid(offset(p), last - p + 1))});
        p = last;
    }
    if (left.size() != right.size()) {
        differences.append({ConfigWords::tr("Délka"), QStringLiteral("%1 B").arg(left.size()),
                            QStringLiteral("%1 B").arg(right.size())});
    }
    return differences;
}
