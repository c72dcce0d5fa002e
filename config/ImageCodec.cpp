// SPDX-License-Identifier: MIT
#include "ImageCodec.h"

#include "ConfigWords.h"
#include "BitString.h"
#include "ConfigImage.h"
#include "Windows1250.h"

#include <optional>

using namespace ConfigImageLayout;

namespace {

// The byte at 1-based position p, or nothing beyond the end of the image.
std::optional<quint8> byteAt(const QByteArray &image, int p)
{
    if (p < 1 || p > image.size())
        return std::nullopt;
    return quint8(image.at(offset(p)));
}

// A code byte compared as a number: its digit value, or nothing when the byte
// is missing or is not a decimal digit.
std::optional<int> digitAt(const QByteArray &image, int p)
{
    const auto b = byteAt(image, p);
    if (!b || *b < '0' || *b > '9')
        return std::nullopt;
    return *b - '0';
}

int outputCode(const QString &output)
{
    const qsizetype i = Vocabulary::outputs().indexOf(output);
    return i < 0 ? 0 : int(i);
}

// The action code comes from the action cell alone, whatever the output.
int actionCode(const QString &action)
{
    qsizetype i = Vocabulary::relayActions().indexOf(action);
    if (i < 0)
        i = Vocabulary::systemActions().indexOf(action);
    return i < 0 ? 0 : int(i);
}

} // namespace

bool isConfigurationImage(const QByteArray &image)
{
    return decodeImage(image, CommandTable::emptyTable()).ok();
}

ImageDecoding decodeImage(const QByteArray &image, const CommandTable &previous)
{
    ImageDecoding result;
    result.table = previous;
    CommandTable &table = result.table;
    auto fail = [&result](int position) {
        result.failedPosition = position;
        return result;
    };

    for (int r = 0; r < CommandCount; ++r) {
        QByteArray sms;
        for (int p = smsFieldPos(r); p < smsFieldPos(r) + SmsFieldSize; ++p) {
            const auto b = byteAt(image, p);
            if (b && *b != quint8(FillByte))
                sms.append(char(*b));
        }
        table.setCell(r, CommandTable::SmsText, Windows1250::toText(sms));
    }

    const auto byte1 = byteAt(image, DefaultStateByte1Pos);
    if (!byte1)
        return fail(DefaultStateByte1Pos);
    const auto byte2 = byteAt(image, DefaultStateByte2Pos);
    if (!byte2)
        return fail(DefaultStateByte2Pos);
    result.defaultStateByte1 = *byte1;
    result.defaultStateByte2 = *byte2;

    for (int k = 0; k < CommandCount; ++k) {
        const int p = recordPos(k);
        const auto output = digitAt(image, p);
        if (!output)
            return fail(p);
        const auto action = digitAt(image, p + 1);
        if (!action)
            return fail(p + 1);
        if (*output == 0) {
            table.setCell(k, CommandTable::Output, Vocabulary::System);
            if (*action < Vocabulary::systemActions().size())
                table.setCell(k, CommandTable::Action, Vocabulary::systemActions().at(*action));
        } else {
            if (*output < Vocabulary::outputs().size())
                table.setCell(k, CommandTable::Output, Vocabulary::outputs().at(*output));
            if (*action < Vocabulary::relayActions().size())
                table.setCell(k, CommandTable::Action, Vocabulary::relayActions().at(*action));
        }

        const auto timeByte = byteAt(image, p + 2);
        if (!timeByte)
            return fail(p + 2);
        const QString bits = ByteToBits(*timeByte);
        table.setCell(k, CommandTable::Confirmation,
                      BitEquals(BitAt(bits, 1), 0) ? Vocabulary::No : Vocabulary::Yes);
        const int time = BitsToByte(SetBitAt(bits, 1, 0)) - 32;
        table.setCell(k, CommandTable::Time, QString::number(time));
    }
    return result;
}

ImageEncoding encodeImage(const CommandTable &table, quint8 defaultStateByte1,
                          quint8 defaultStateByte2)
{
    using Problem = ImageEncoding::Problem;
    ImageEncoding result;
    auto refuse = [&result, &table](Problem problem, int row, CommandTable::Column column) {
        result.problem = problem;
        result.row = row;
        result.cellText = table.cell(row, column);
        return result;
    };

    QByteArray image;
    image.reserve(ImageSize);
    for (int r = 0; r < CommandCount; ++r) {
        const QString &text = table.cell(r, CommandTable::SmsText);
        const auto sms = Windows1250::fromText(text);
        if (!sms)
            return refuse(Problem::SmsUnmappable, r, CommandTable::SmsText);
        if (sms->size() > SmsFieldSize)
            return refuse(Problem::SmsTooLong, r, CommandTable::SmsText);
        if (sms->contains(FillByte))
            return refuse(Problem::SmsFillCharacter, r, CommandTable::SmsText);
        image.append(*sms);
        image.append(SmsFieldSize - sms->size(), FillByte);
    }
    image.append(FillAfterSms, FillByte);
    image.append(char(defaultStateByte1));
    image.append(char(defaultStateByte2));
    image.append(FillAfterDefaults, FillByte);

    for (int r = 0; r < CommandCount; ++r) {
        bool whole = false;
        const int time = table.cell(r, CommandTable::Time).toInt(&whole);
        if (!whole)
            return refuse(Problem::TimeNotWholeNumber, r, CommandTable::Time);
        if (time < MinTime || time > MaxTime)
            return refuse(Problem::TimeOutOfRange, r, CommandTable::Time);
        const int confirmed = table.cell(r, CommandTable::Confirmation) == Vocabulary::Yes ? 1 : 0;
        image.append(char('0' + outputCode(table.cell(r, CommandTable::Output))));
        image.append(char('0' + actionCode(table.cell(r, CommandTable::Action))));
        image.append(char(BitsToByte(SetBitAt(ByteToBits(time + 32), 1, confirmed))));
    }
    image.append(FillAfterRecords, FillByte);

    result.image = image;
    return result;
}

QByteArray reencodedImage(const QByteArray &image)
{
    const ImageDecoding decoded = decodeImage(image, CommandTable::emptyTable());
    if (!decoded.ok())
        return {};
    return encodeImage(decoded.table, decoded.defaultStateByte1, decoded.defaultStateByte2).image;
}

QString ImageEncoding::message() const
{
    const QString command = ConfigWords::tr("Povel %1").arg(row + 1);
    switch (problem) {
    case Problem::None:
        return {};
    case Problem::SmsTooLong:
        return ConfigWords::tr("%1: text SMS je delší než %2 znaků.").arg(command).arg(SmsFieldSize);
    case Problem::SmsUnmappable:
        return ConfigWords::tr("%1: text SMS obsahuje znak, který nelze uložit ve znakové sadě Windows-1250.")
            .arg(command);
    case Problem::SmsFillCharacter:
        return ConfigWords::tr("%1: text SMS obsahuje znak „˙“, který modul nedokáže uložit.").arg(command);
    case Problem::TimeNotWholeNumber:
        return ConfigWords::tr("%1: čas „%2“ není celé číslo.")
            .arg(command, cellText);
    case Problem::TimeOutOfRange:
        return ConfigWords::tr("%1: čas %2 s je mimo rozsah %3 až %4 s.")
            .arg(command, cellText)
            .arg(MinTime)
            .arg(MaxTime);
    }
    return {};
}
