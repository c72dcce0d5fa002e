// SPDX-License-Identifier: MIT
#include "CommandLine.h"
#include "ToolText.h"

#include "Console.h"
#include "ExitCode.h"

#include <QCoreApplication>
#include <QHash>

#include <cstdio>

namespace {

using Command = Request::Command;

struct CommandSpec
{
    Command command;
    int files;       // positional FILE arguments
    bool usesPort;
};

const QHash<QString, CommandSpec> &commands()
{
    static const QHash<QString, CommandSpec> table = {
        {QStringLiteral("ports"), {Command::Ports, 0, false}},
        {QStringLiteral("test"), {Command::Test, 0, true}},
        {QStringLiteral("read"), {Command::Read, 1, true}},
        {QStringLiteral("write"), {Command::Write, 1, true}},
        {QStringLiteral("verify"), {Command::Verify, 1, true}},
        {QStringLiteral("show"), {Command::Show, 1, false}},
        {QStringLiteral("diff"), {Command::Diff, 2, false}},
        {QStringLiteral("convert"), {Command::Convert, 2, false}},
    };
    return table;
}

const QString PortOption = QStringLiteral("port");
const QString FormatOption = QStringLiteral("format");
const QString NoVerifyOption = QStringLiteral("no-verify");
const QString QuietOption = QStringLiteral("quiet");
const QString TraceOption = QStringLiteral("trace");
const QString HelpOption = QStringLiteral("help");
const QString VersionOption = QStringLiteral("version");

void print(const QString &text)
{
    Console::writeOut(text);
}

} // namespace

CommandLine::CommandLine()
{
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOptions({
        {{QStringLiteral("p"), PortOption},
         ToolText::tr("COM1 až COM256 (jako v okně programu, včetně VRK04_COMk; com3, \\\\.\\COM12 též) "
                      "nebo cesta k zařízení.\n"
                      "Bez --port se použije jediný připojený USB převodník."),
         ToolText::tr("port")},
        {{QStringLiteral("f"), FormatOption},
         ToolText::tr("Tvar výpisu tabulky (show, read): text, csv nebo json; "
                      "tvar souboru (convert): bin, json nebo csv."),
         ToolText::tr("tvar"),
         QStringLiteral("text")},
        {NoVerifyOption, ToolText::tr("Po zápisu obraz nevyčítat a neporovnávat.")},
        {{QStringLiteral("q"), QuietOption}, ToolText::tr("Na chybový výstup psát jen chyby.")},
        {TraceOption,
         ToolText::tr("Záznam linky pro podporu výrobce (test, read, write, verify): každý bajt "
                      "s časem a směrem, na konci výsledek; soubor UTF-8."),
         ToolText::tr("soubor")},
        {{QStringLiteral("h"), HelpOption}, ToolText::tr("Vypíše tuto nápovědu.")},
        {{QStringLiteral("v"), VersionOption}, ToolText::tr("Vypíše verzi programu.")},
    });
    m_parser.addPositionalArgument(ToolText::tr("příkaz"), ToolText::tr("Jeden z příkazů níže."));
    m_parser.addPositionalArgument(ToolText::tr("soubor"), ToolText::tr("Soubor s obrazem EEPROM."),
                                   ToolText::tr("[soubor...]"));
}

QString CommandLine::helpText() const
{
    return m_parser.helpText() + ToolText::tr(R"(
Příkazy:
  ports                              porty COM1 až COM6 (zařízení, zda se otevře),
                                     pak další sériové porty systému: USB převodník
                                     nebo -, zařízení, název v /dev/serial/by-id,
                                     popis, výrobce, sériové číslo, VID:PID
  test   [--port P]                  test spojení s modulem
  read   [--port P] SOUBOR           vyčte obraz z modulu a uloží ho do souboru
                                     tak, jak přišel; vypíše tabulku
  write  [--port P] SOUBOR [--no-verify]
                                     zapíše soubor do modulu, pak ho vyčte a porovná
  verify [--port P] SOUBOR           porovná modul se souborem
  show   SOUBOR [--format F]         dvacet povelů a pět výchozích stavů
  diff   SOUBOR1 SOUBOR2             rozdíly po povelech a polích
  convert VSTUP VÝSTUP [--format F]  převede mezi obrazem, JSON a CSV
                                     (tvar VÝSTUPU podle přípony nebo --format)

Soubor je obraz EEPROM bajt po bajtu, nebo konfigurace jako text (JSON či
CSV ve tvaru, jaký píše show); tvar se pozná podle obsahu. read uloží do
souboru .json či .csv text, obraz, který nejde přesně převést, ale vždy tak,
jak přišel. Data jdou na standardní výstup, stavová hlášení s časem na
chybový výstup.

Návratové kódy:
  %1  hotovo
  %2  spojení selhalo (modul neodpovídá, chyba přenosu, port nelze otevřít)
  %3  chybné použití, též chybí-li --port a není připojen právě jeden USB převodník
  %4  ověření nebo diff našly rozdíl; text neudrží obraz přesně (convert, read)
  %5  soubor nelze přečíst či zapsat, nebo to není konfigurační obraz
      ani konfigurace jako text, kterou lze zapsat; také výstup, který nešlo
      zapsat
  %6  read: obraz z modulu není konfigurace; existující soubor zůstal,
     bajty z modulu jsou v novém souboru vedle něj
  %7  přerušeno signálem N (Ctrl+C: 130); zápis se po prvním Ctrl+C dokončí
)")
        .arg(toInt(ExitCode::Done))
        .arg(toInt(ExitCode::LinkFailed))
        .arg(toInt(ExitCode::BadUsage))
        .arg(toInt(ExitCode::Different))
        .arg(toInt(ExitCode::FileProblem))
        .arg(toInt(ExitCode::NotConfiguration))
        .arg(QStringLiteral("128+N"))
           + ToolText::tr(R"(
test, read, write a verify s --trace SOUBOR zapíší na konci do SOUBORU záznam
linky: hlavičku (verze programu, systém, verze Qt, port), pak každý bajt na
řádku s časem od začátku přenosu v ms, směrem (PC→ nebo →PC) a hodnotou
šestnáctkově, nakonec hlášení a výsledek. Když přenos selže, pošlete ho
podpoře výrobce.
)");
}

CommandLine::Result CommandLine::refuse(const QString &error)
{
    m_error = error;
    return Result::BadUsage;
}

CommandLine::Result CommandLine::parse(const QStringList &arguments)
{
    // Help shows the tool's name, not the path it was started by.
    QStringList named = arguments;
    if (!named.isEmpty())
        named.first() = QCoreApplication::applicationName();
    if (!m_parser.parse(named))
        return refuse(m_parser.errorText());
    if (m_parser.isSet(HelpOption)) {
        print(helpText());
        return Result::Answered;
    }
    if (m_parser.isSet(VersionOption)) {
        print(QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                            QCoreApplication::applicationVersion()));
        return Result::Answered;
    }

    QStringList positional = m_parser.positionalArguments();
    if (positional.isEmpty())
        return refuse(ToolText::tr("chybí příkaz"));
    const QString name = positional.takeFirst();
    const auto entry = commands().constFind(name);
    if (entry == commands().constEnd())
        return refuse(ToolText::tr("neznámý příkaz „%1“").arg(name));

    m_request.command = entry->command;
    if (positional.size() != entry->files) {
        return refuse(ToolText::tr("příkaz %1 chce %2 soubor(y), zadáno %3")
                          .arg(name)
                          .arg(entry->files)
                          .arg(positional.size()));
    }
    m_request.files = positional;

    if (entry->usesPort) {
        // Without it the tool looks for a lone USB adapter.
        m_request.port = m_parser.value(PortOption);
    } else if (m_parser.isSet(PortOption)) {
        return refuse(ToolText::tr("příkaz %1 nepoužívá port").arg(name));
    }

    if (m_parser.isSet(FormatOption) && entry->command == Command::Convert) {
        static const QHash<QString, ConfigText::Form> forms = {{QStringLiteral("bin"), ConfigText::Form::Image},
                                                                {QStringLiteral("json"), ConfigText::Form::Json},
                                                                {QStringLiteral("csv"), ConfigText::Form::Csv}};
        const QString format = m_parser.value(FormatOption);
        if (!forms.contains(format))
            return refuse(ToolText::tr("neznámý tvar souboru „%1“ (bin, json, csv)")
                              .arg(format));
        m_request.outputForm = forms.value(format);
    } else if (m_parser.isSet(FormatOption)) {
        if (entry->command != Command::Show && entry->command != Command::Read)
            return refuse(ToolText::tr("--format patří jen k show, read a convert"));
        const QString format = m_parser.value(FormatOption);
        if (format == QStringLiteral("csv"))
            m_request.format = Request::Format::Csv;
        else if (format == QStringLiteral("json"))
            m_request.format = Request::Format::Json;
        else if (format != QStringLiteral("text"))
            return refuse(ToolText::tr("neznámý tvar „%1“ (text, csv, json)").arg(format));
    }
    if (m_parser.isSet(NoVerifyOption)) {
        if (entry->command != Command::Write)
            return refuse(ToolText::tr("--no-verify patří jen k write"));
        m_request.verify = Request::Verify::Skip;
    }
    if (m_parser.isSet(TraceOption)) {
        if (!entry->usesPort)
            return refuse(ToolText::tr("--trace patří jen k test, read, write a verify"));
        m_request.trace = m_parser.value(TraceOption);
    }
    m_request.quiet = m_parser.isSet(QuietOption);
    return Result::Run;
}
