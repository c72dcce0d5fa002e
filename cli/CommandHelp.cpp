// SPDX-License-Identifier: MIT
#include "CommandHelp.h"

#include "ExitCode.h"
#include "ToolText.h"

#include <QCoreApplication>

namespace {

struct CommandText
{
    const char *name;
    const char *arguments; // the usage after the command's name
    const char *summary;   // its line in the overview
    const char *details;   // its page
    QStringList options;   // its own options, by their long names
    const char *example;
};

const QList<CommandText> &commands()
{
    static const QList<CommandText> list = {
        {"ports", "", QT_TRANSLATE_NOOP("ToolText", "vypíše sériové porty"),
         QT_TRANSLATE_NOOP("ToolText",
                           "Vypíše COM1 až COM6 se zařízením, které znamenají, a zda se otevřou (nebo proč\n"
                           "ne), pak další sériové porty systému, po řádku s poli oddělenými tabulátorem:\n"
                           "USB (USB převodník) nebo -, zařízení, název v /dev/serial/by-id, popis,\n"
                           "výrobce, sériové číslo a VID:PID. Každý blok začíná řádkem záhlaví."),
         {},
         "vrk04 ports"},
        {"test", QT_TRANSLATE_NOOP("ToolText", "[--port P]"), QT_TRANSLATE_NOOP("ToolText", "test spojení s modulem"),
         QT_TRANSLATE_NOOP("ToolText", "Otestuje spojení s modulem na portu P."),
         {QStringLiteral("port"), QStringLiteral("trace")},
         "vrk04 test --port COM1"},
        {"read", QT_TRANSLATE_NOOP("ToolText", "[--port P] SOUBOR [--format F]"),
         QT_TRANSLATE_NOOP("ToolText", "vyčte konfiguraci z modulu do souboru"),
         QT_TRANSLATE_NOOP("ToolText",
                           "Vyčte obraz konfigurace z modulu, uloží ho do SOUBORU a vypíše jeho tabulku.\n"
                           "SOUBOR s příponou .json nebo .csv dostane konfiguraci jako text, když ji text\n"
                           "udrží přesně; jinak se pod tím jménem uloží obraz bajt po bajtu, jak přišel,\n"
                           "a nástroj skončí kódem 3. Obraz, který není celá konfigurace (smazaný modul),\n"
                           "nikdy nepřepíše existující soubor: bajty modulu jdou do nového souboru vedle\n"
                           "něj (kód 5)."),
         {QStringLiteral("port"), QStringLiteral("format"), QStringLiteral("trace")},
         "vrk04 read --port COM1 zaloha.bin"},
        {"write", QT_TRANSLATE_NOOP("ToolText", "[--port P] SOUBOR [--no-verify] [--strict]"),
         QT_TRANSLATE_NOOP("ToolText", "zapíše soubor do modulu a ověří ho"),
         QT_TRANSLATE_NOOP("ToolText",
                           "Zapíše konfiguraci ze SOUBORU do modulu, pak ji z modulu vyčte a porovná.\n"
                           "Obraz kratší než 2048 bajtů se doplní výplní 0xFF. Nálezy kontroly (jako\n"
                           "check) vypíše na chybový výstup; se --strict při chybě nezapíše nic (kód 6).\n"
                           "Na konci vypíše otisk konfigurace. První Ctrl+C nechá zápis dokončit a skončí\n"
                           "kódem 130 bez ověření."),
         {QStringLiteral("port"), QStringLiteral("no-verify"), QStringLiteral("strict"), QStringLiteral("trace")},
         "vrk04 write --port COM1 nova.json"},
        {"verify", QT_TRANSLATE_NOOP("ToolText", "[--port P] SOUBOR"),
         QT_TRANSLATE_NOOP("ToolText", "porovná modul se souborem"),
         QT_TRANSLATE_NOOP("ToolText",
                           "Vyčte obraz z modulu a porovná ho se SOUBOREM; první rozdíl pojmenuje na\n"
                           "chybovém výstupu, všechny rozdíly vypíše na standardní výstup (kód 3).\n"
                           "Obraz z modulu se neukládá."),
         {QStringLiteral("port"), QStringLiteral("trace")},
         "vrk04 verify --port COM1 nova.bin"},
        {"show", QT_TRANSLATE_NOOP("ToolText", "SOUBOR [--format F]"),
         QT_TRANSLATE_NOOP("ToolText", "vypíše dvacet povelů a pět výchozích stavů"),
         QT_TRANSLATE_NOOP("ToolText",
                           "Vypíše dvacet povelů a pět výchozích stavů výstupů ze SOUBORU, jako text,\n"
                           "CSV nebo JSON."),
         {QStringLiteral("format")},
         "vrk04 show zaloha.bin --format csv"},
        {"diff", QT_TRANSLATE_NOOP("ToolText", "SOUBOR1 SOUBOR2"),
         QT_TRANSLATE_NOOP("ToolText", "rozdíly dvou konfigurací po povelech a polích"),
         QT_TRANSLATE_NOOP("ToolText",
                           "Vypíše rozdíly dvou konfigurací po povelech a polích, v kterékoli ze tří\n"
                           "podob souboru (kód 3, když se liší)."),
         {},
         "vrk04 diff zaloha.bin nova.json"},
        {"convert", QT_TRANSLATE_NOOP("ToolText", "VSTUP VÝSTUP [--format F]"),
         QT_TRANSLATE_NOOP("ToolText", "převede mezi obrazem, JSON a CSV; do .pdf list pro zákazníka"),
         QT_TRANSLATE_NOOP("ToolText",
                           "Uloží konfiguraci ze VSTUPU do VÝSTUPU v podobě podle přípony (.json, .csv,\n"
                           ".pdf, jiná obraz) nebo podle --format. Když text neudrží obraz přesně, neuloží\n"
                           "nic a skončí kódem 3. Do .pdf napíše list pro zákazníka: použité SMS povely\n"
                           "na jedné stránce A4 (jen výstup, zpět se nečte)."),
         {QStringLiteral("format")},
         "vrk04 convert zaloha.bin zaloha.json"},
        {"check", QT_TRANSLATE_NOOP("ToolText", "SOUBOR"),
         QT_TRANSLATE_NOOP("ToolText", "zkontroluje, zda modul udělá, co tabulka říká"),
         QT_TRANSLATE_NOOP("ToolText",
                           "Zkontroluje konfiguraci ze SOUBORU: za každý nález vypíše řádek „povel N: ...“\n"
                           "(chyba: modul neudělá, co tabulka říká, nebo nerozliší dva povely;\n"
                           "upozornění: pravděpodobný omyl), pak souhrn. Kód 6, když je některý nález\n"
                           "chyba."),
         {},
         "vrk04 check nova.json"},
        {"series", QT_TRANSLATE_NOOP("ToolText", "[--port P] SOUBOR [--log CSV] [--count N]"),
         QT_TRANSLATE_NOOP("ToolText", "zapíše jednu konfiguraci do modulu za modulem, s protokolem"),
         QT_TRANSLATE_NOOP("ToolText",
                           "Zapíše konfiguraci ze SOUBORU do modulu za modulem: čeká na modul (test spojení\n"
                           "nejvýš každých 0,5 s), zapíše a ověří ho, vypíše řádek „Modul 3: OK, otisk ...“\n"
                           "a zapíše ho do protokolu; pak čeká, až modul zmizí (vypnutý nebo odpojený),\n"
                           "a teprve potom na další. Modul se tak nikdy nezapíše dvakrát po sobě. Chybný\n"
                           "modul se zapíše do protokolu jako CHYBA s důvodem a nepočítá se. Protokol je\n"
                           "soubor CSV (čas, port, soubor, otisk, výsledek, důvod, sekundy), doplňovaný po\n"
                           "řádcích. Konfigurace s chybou (jako check) se nezapíše nikam (kód 6). Skončí\n"
                           "kódem 0 po N dobrých modulech; Ctrl+C ukončí čekání hned, zápis nechá dokončit\n"
                           "(další Ctrl+C ho přeruší), vypíše souhrn a skončí kódem 130."),
         {QStringLiteral("port"), QStringLiteral("log"), QStringLiteral("count"), QStringLiteral("trace")},
         "vrk04 series --port COM1 nova.json --log protokol.csv --count 20"},
    };
    return list;
}

QString text(const char *source)
{
    return QCoreApplication::translate("ToolText", source);
}

// "  -p, --port <port>" and the description beside it, wrapped under itself.
QString optionLines(const QList<QCommandLineOption> &options, const QStringList &only)
{
    QList<std::pair<QString, QString>> rows;
    qsizetype width = 0;
    for (const QCommandLineOption &option : options) {
        const QString longName = option.names().constLast();
        if (!only.isEmpty() && !only.contains(longName))
            continue;
        QStringList names;
        for (const QString &name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString left = QStringLiteral("  ") + names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            left += QStringLiteral(" <%1>").arg(option.valueName());
        width = qMax(width, left.size());
        rows.append({left, option.description()});
    }
    QString lines;
    for (const auto &[left, description] : rows) {
        const QStringList parts = description.split(u'\n');
        lines += left.leftJustified(width + 2) + parts.constFirst() + u'\n';
        for (qsizetype i = 1; i < parts.size(); ++i)
            lines += QString(width + 2, u' ') + parts.at(i) + u'\n';
    }
    return lines;
}

QString usageLine(const QString &rest)
{
    return ToolText::tr("Použití: %1 %2").arg(QCoreApplication::applicationName(), rest).trimmed() + u'\n';
}

} // namespace

QStringList CommandHelp::commandNames()
{
    QStringList names;
    for (const CommandText &command : commands())
        names << QString::fromLatin1(command.name);
    return names;
}

QString CommandHelp::overview(const QList<QCommandLineOption> &options)
{
    QString help = usageLine(ToolText::tr("PŘÍKAZ [volby] [SOUBOR...]"))
                   + ToolText::tr("Konfigurace GSM reléového modulu VRK-04 z příkazové řádky.\n");
    help += u'\n' + ToolText::tr("Příkazy:") + u'\n';
    for (const CommandText &command : commands())
        help += QStringLiteral("  %1  %2\n").arg(QString::fromLatin1(command.name).leftJustified(8), text(command.summary));
    help += u'\n' + ToolText::tr("Volby:") + u'\n' + optionLines(options, {});
    help += u'\n'
            + ToolText::tr("Soubor je obraz konfigurace bajt po bajtu, nebo konfigurace jako text (JSON\n"
                           "či CSV v podobě, jakou vypíše show); podobu pozná nástroj podle obsahu. Data\n"
                           "jdou na standardní výstup, stavová hlášení s časem na chybový výstup. show\n"
                           "vypíše i otisk konfigurace (CRC-32 pozic 1 až 715), read a write jej na konci\n"
                           "vypíšou na chybový výstup.\n");
    help += u'\n' + ToolText::tr("Návratové kódy:") + u'\n';
    const std::pair<QString, QString> codes[] = {
        {QString::number(toInt(ExitCode::Done)), ToolText::tr("hotovo")},
        {QString::number(toInt(ExitCode::LinkFailed)),
         ToolText::tr("spojení selhalo (modul neodpovídá, chyba přenosu, port nelze otevřít)")},
        {QString::number(toInt(ExitCode::BadUsage)),
         ToolText::tr("chybné použití, též chybí-li --port a není připojen právě jeden USB převodník")},
        {QString::number(toInt(ExitCode::Different)),
         ToolText::tr("ověření nebo diff našly rozdíl; text neudrží obraz přesně (convert, read)")},
        {QString::number(toInt(ExitCode::FileProblem)),
         ToolText::tr("soubor nelze přečíst či zapsat, nebo to není konfigurace, kterou lze\n"
                      "zapsat; také výstup, který nešlo zapsat")},
        {QString::number(toInt(ExitCode::NotConfiguration)),
         ToolText::tr("read: obraz z modulu není celá konfigurace; existující soubor zůstal,\n"
                      "bajty z modulu jsou v novém souboru vedle něj")},
        {QString::number(toInt(ExitCode::CheckError)),
         ToolText::tr("check, write --strict, series: kontrola našla chybu (write --strict a series\n"
                      "nezapsaly nic)")},
        {QStringLiteral("128+N"), ToolText::tr("přerušeno signálem N (Ctrl+C: 130); zápis se po prvním Ctrl+C dokončí")},
    };
    for (const auto &[code, meaning] : codes) {
        const QStringList parts = meaning.split(u'\n');
        help += QStringLiteral("  %1  %2\n").arg(code.leftJustified(5), parts.constFirst());
        for (qsizetype i = 1; i < parts.size(); ++i)
            help += QString(9, u' ') + parts.at(i) + u'\n';
    }
    help += u'\n'
            + ToolText::tr("test, read, write, verify a series s --trace SOUBOR zapíší na konci do\n"
                           "SOUBORU záznam linky: hlavičku (verze programu, systém, verze Qt, port), pak\n"
                           "každý bajt na řádku s časem od začátku přenosu v ms, směrem (PC→ nebo →PC)\n"
                           "a hodnotou šestnáctkově, nakonec hlášení a výsledek; series posledního\n"
                           "chybného modulu, jinak posledních přenosů. Když přenos selže, pošlete ho\n"
                           "podpoře výrobce.\n");
    help += u'\n' + ToolText::tr("Nápovědu k jednomu příkazu vypíše %1 PŘÍKAZ --help.")
                        .arg(QCoreApplication::applicationName())
            + u'\n';
    return help;
}

QString CommandHelp::page(const QString &name, const QList<QCommandLineOption> &options)
{
    for (const CommandText &command : commands()) {
        if (name != QLatin1String(command.name))
            continue;
        QString help = usageLine(name + u' ' + text(command.arguments)) + u'\n' + text(command.details) + u'\n';
        if (!command.options.isEmpty())
            help += u'\n' + ToolText::tr("Volby:") + u'\n' + optionLines(options, command.options);
        help += u'\n' + ToolText::tr("Příklad:") + u'\n' + QStringLiteral("  %1\n").arg(QString::fromLatin1(command.example));
        help += u'\n'
                + ToolText::tr("Společné volby (-q, -h) a návratové kódy vypíše %1 --help.")
                      .arg(QCoreApplication::applicationName())
                + u'\n';
        return help;
    }
    return {};
}
