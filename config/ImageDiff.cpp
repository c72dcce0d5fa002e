// SPDX-License-Identifier: MIT
#include "ImageDiff.h"

#include "ConfigWords.h"
#include "ConfigImage.h"

using namespace ConfigImageLayout;

int firstDifference(const QByteArray &a, const QByteArray &b)
{
    const qsizetype common = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (a.at(i) != b.at(i))
            return int(i) + 1;
    }
    return a.size() == b.size() ? 0 : int(common) + 1;
}

QString describePosition(int position)
{
    const int lastSms = smsFieldPos(CommandCount - 1) + SmsFieldSize - 1;
    const int lastRecord = recordPos(CommandCount - 1) + RecordSize - 1;
    if (position >= 1 && position <= lastSms) {
        const int field = (position - 1) / SmsFieldSize;
        return ConfigWords::tr("povel %1, text SMS, znak %2").arg(field + 1).arg(position - smsFieldPos(field) + 1);
    }
    if (position == DefaultStateByte1Pos || position == DefaultStateByte2Pos)
        return ConfigWords::tr("výchozí stavy výstupů, bajt %1").arg(position - DefaultStateByte1Pos + 1);
    if (position >= FirstRecordPos && position <= lastRecord) {
        const int row = (position - FirstRecordPos) / RecordSize;
        static const char *const fields[RecordSize] = {QT_TRANSLATE_NOOP("ConfigWords", "výstup"),
                                                       QT_TRANSLATE_NOOP("ConfigWords", "akce"),
                                                       QT_TRANSLATE_NOOP("ConfigWords", "čas a oznam")};
        return ConfigWords::tr("povel %1, záznam, %2")
            .arg(row + 1)
            .arg(ConfigWords::tr(fields[position - recordPos(row)]));
    }
    if (position >= 1 && position <= ImageSize)
        return ConfigWords::tr("výplň");
    return ConfigWords::tr("za koncem obrazu");
}

namespace {

QString byteAt(const QByteArray &image, int position)
{
    if (position < 1 || position > image.size())
        return ConfigWords::tr("chybí");
    return QStringLiteral("0x") + QString::number(quint8(image.at(position - 1)), 16).rightJustified(2, u'0').toUpper();
}

} // namespace

QString describeDifference(const QByteArray &actual, const QByteArray &expected, int position,
                           const QString &actualName, const QString &expectedName)
{
    return ConfigWords::tr("pozice %1 (%2): %3 %4, %5 %6")
        .arg(position)
        .arg(describePosition(position), actualName, byteAt(actual, position), expectedName,
             byteAt(expected, position));
}
