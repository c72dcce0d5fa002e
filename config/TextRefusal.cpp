// SPDX-License-Identifier: MIT
#include "TextRefusal.h"

#include "CommandTable.h"
#include "ConfigImage.h"
#include "TableFormat.h"
#include "Windows1250.h"

QString TextRefusal::message(const QString &file) const
{
    const QString place = where(file);
    return place.isEmpty() ? why() : place + QStringLiteral(": ") + why();
}

QString TextRefusal::where(const QString &file) const
{
    QStringList parts;
    if (!file.isEmpty())
        parts << file;
    if (line > 0 && command > 0)
        parts << tr("řádek %1 (povel %2)").arg(line).arg(command);
    else if (line > 0)
        parts << tr("řádek %1").arg(line);
    else if (command > 0)
        parts << tr("povel %1").arg(command);
    switch (field) {
    case Field::None:
        break;
    case Field::Format:
        parts << QStringLiteral("format");
        break;
    case Field::Version:
        parts << tr("verze");
        break;
    case Field::Number:
        parts << tr("číslo");
        break;
    case Field::Sms:
        parts << tr("text SMS");
        break;
    case Field::Output:
        parts << tr("výstup");
        break;
    case Field::Action:
        parts << tr("akce");
        break;
    case Field::Time:
        parts << tr("čas");
        break;
    case Field::Confirmation:
        parts << tr("oznam");
        break;
    case Field::Defaults:
        parts << tr("výchozí stavy");
        break;
    }
    return parts.join(QStringLiteral(", "));
}

QString TextRefusal::why() const
{
    const QString quoted = QStringLiteral("„%1“").arg(visibleText(value));
    switch (reason) {
    case Reason::None:
        return {};
    case Reason::NotUtf8:
        return tr("text není v kódování UTF-8");
    case Reason::BadJson:
        return tr("chybný zápis JSON u znaku %1").arg(value);
    case Reason::NotObject:
        return tr("%1 není objekt JSON ({…})").arg(quoted);
    case Reason::NotList:
        return tr("%1 není seznam JSON ([…])").arg(quoted);
    case Reason::NotText:
        return tr("%1 není text v uvozovkách").arg(quoted);
    case Reason::NotNumber:
        return tr("%1 není číslo").arg(quoted);
    case Reason::UnknownFormat:
        return tr("%1 není vrk04-config").arg(quoted);
    case Reason::UnknownVersion:
        return tr("%1 tento program nezná (čte verzi 1)").arg(quoted);
    case Reason::UnknownKey:
        return tr("neznámá položka %1").arg(quoted);
    case Reason::DuplicateKey:
        return tr("položka %1 je uvedena dvakrát").arg(quoted);
    case Reason::MissingKey:
        return tr("chybí položka %1").arg(quoted);
    case Reason::MissingColumn:
        return tr("chybí sloupec %1").arg(quoted);
    case Reason::BadHeader:
        return tr("záhlaví má být %1").arg(quoted);
    case Reason::UnclosedQuote:
        return tr("uvozovky nejsou uzavřeny");
    case Reason::FieldCount:
        return tr("polí je %1, má jich být 6").arg(value);
    case Reason::ExtraLine:
        return tr("řádek navíc (výchozí stavy už byly)");
    case Reason::CommandCount:
        return tr("povelů je %1, má jich být 20").arg(value);
    case Reason::NumberMismatch:
        return tr("%1 neodpovídá pořadí povelu").arg(quoted);
    case Reason::UnknownOutput:
        return tr("%1 není SYSTEM ani RELE1 až RELE5").arg(quoted);
    case Reason::UnknownAction: {
        const QStringList &actions =
            detail == Vocabulary::System ? Vocabulary::systemActions() : Vocabulary::relayActions();
        return tr("%1 není akce výstupu %2 (%3)").arg(quoted, detail, actions.join(QStringLiteral(", ")));
    }
    case Reason::UnknownConfirmation:
        return tr("%1 není ANO ani NE").arg(quoted);
    case Reason::SmsTooLong:
        return tr("%1 má %2 znaků, nejvýše %3")
            .arg(quoted, QString::number(value.size()), QString::number(ConfigImageLayout::SmsFieldSize));
    case Reason::SmsUnmappable: {
        qsizetype at = 0;
        Windows1250::fromText(value, &at);
        const QString character = value.mid(at, at < value.size() && value.at(at).isHighSurrogate() ? 2 : 1);
        return tr("znak „%1“ nelze uložit ve znakové sadě Windows-1250").arg(character);
    }
    case Reason::SmsFillCharacter:
        return tr("znak „˙“ modul neuloží");
    case Reason::TimeNotWholeNumber:
        return tr("%1 není celé číslo").arg(quoted);
    case Reason::TimeOutOfRange:
        return tr("%1 je mimo rozsah %2..%3")
            .arg(quoted, QString::number(ConfigImageLayout::MinTime), QString::number(ConfigImageLayout::MaxTime));
    case Reason::MissingDefaults:
        return tr("chybí řádek výchozích stavů (defaults a pět 0/1)");
    case Reason::DefaultsCount:
        return tr("jsou %1, má jich být 5").arg(value);
    case Reason::DefaultNotBit:
        return tr("%1: %2 není 0 ani 1").arg(detail, quoted);
    case Reason::NotDecodable:
        return tr("obraz nelze dekódovat (pozice %1), text ho neudrží").arg(value);
    case Reason::NotExact:
        return tr("tvar %1 neudrží obraz přesně (%2)").arg(detail, value);
    }
    return {};
}
