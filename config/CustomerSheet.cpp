// SPDX-License-Identifier: MIT
#include "CustomerSheet.h"

#include "ImageText.h"

#include <QFileInfo>
#include <QHash>

namespace {

// A control character would vanish on paper: it shows as its control picture.
QString printable(const QString &text)
{
    QString shown;
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        shown += code < 0x20 || code == 0x7F ? ImageText::displayChar(quint8(code)) : ch;
    }
    return shown;
}

QString actionWords(const QString &action)
{
    static const QHash<QString, const char *> words = {
        {QStringLiteral("SEPNUTI"), QT_TRANSLATE_NOOP("CustomerSheet", "sepne")},
        {QStringLiteral("ROZEPNUTI"), QT_TRANSLATE_NOOP("CustomerSheet", "rozepne")},
        {QStringLiteral("IMPULS"), QT_TRANSLATE_NOOP("CustomerSheet", "impuls")},
        {QStringLiteral("ZMENA"), QT_TRANSLATE_NOOP("CustomerSheet", "přepne")},
        {QStringLiteral("TEST"), QT_TRANSLATE_NOOP("CustomerSheet", "test modulu")},
        {QStringLiteral("RESET"), QT_TRANSLATE_NOOP("CustomerSheet", "restart modulu")},
    };
    const auto word = words.constFind(action);
    return word == words.constEnd() ? action : CustomerSheet::tr(*word);
}

} // namespace

CustomerSheet CustomerSheet::make(const CommandTable &table, const DefaultStates &states, const Source &source)
{
    CustomerSheet sheet;
    sheet.title = tr("Modul VRK-04: SMS povely");
    // The date in the sheet's language, not the system's locale.
    QStringList subtitle = {source.date.toString(tr("d. M. yyyy"))};
    if (!source.origin.isEmpty())
        subtitle << source.origin;
    sheet.subtitle = subtitle.join(QStringLiteral(", "));
    sheet.fingerprint = tr("Otisk konfigurace: %1").arg(source.fingerprint);
    sheet.headings = {tr("č."), tr("SMS"), tr("Výstup"), tr("Akce"), tr("Čas"), tr("Prozvoní")};
    for (int r = 0; r < CommandTable::RowCount; ++r) {
        const CommandTable::Row &cells = table.row(r);
        if (cells.at(CommandTable::SmsText).isEmpty())
            continue;
        const QString &output = cells.at(CommandTable::Output);
        const QString &time = cells.at(CommandTable::Time);
        sheet.rows << QStringList{QString::number(r + 1),
                                  u'#' + printable(cells.at(CommandTable::SmsText)),
                                  output == Vocabulary::System ? QString() : output,
                                  actionWords(cells.at(CommandTable::Action)),
                                  time.toInt() == 0 ? QString() : tr("%1 s").arg(time),
                                  cells.at(CommandTable::Confirmation) == Vocabulary::Yes ? tr("ano") : tr("ne")};
    }
    sheet.statesHeading = tr("Výstupy po zapnutí modulu:");
    for (int k = 0; k < OutputCount; ++k)
        sheet.states << tr("RELE%1: %2").arg(k + 1).arg(states.at(k) ? tr("sepnuto") : tr("rozepnuto"));
    sheet.findingsHeading = tr("Pozor");
    sheet.findings = source.findings;
    sheet.footer = QStringLiteral("VRK-04 setup %1").arg(QCoreApplication::applicationVersion()).trimmed();
    return sheet;
}

QString CustomerSheet::fileOrigin(const QString &path)
{
    return QFileInfo(path).fileName();
}

QString CustomerSheet::moduleOrigin(const QString &port)
{
    return tr("z modulu na %1").arg(port);
}

bool CustomerSheet::isSheetName(const QString &path)
{
    return QFileInfo(path).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0;
}
