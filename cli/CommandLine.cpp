// SPDX-License-Identifier: MIT
#include "CommandLine.h"
#include "CommandHelp.h"
#include "ToolText.h"

#include "Console.h"
#include "CustomerSheet.h"
#include "ExitCode.h"
#include "Version.h"

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
        {QStringLiteral("check"), {Command::Check, 1, false}},
        {QStringLiteral("series"), {Command::Series, 1, true}},
    };
    return table;
}

const QString PortOption = QStringLiteral("port");
const QString FormatOption = QStringLiteral("format");
const QString NoVerifyOption = QStringLiteral("no-verify");
const QString StrictOption = QStringLiteral("strict");
const QString QuietOption = QStringLiteral("quiet");
const QString TraceOption = QStringLiteral("trace");
const QString LogOption = QStringLiteral("log");
const QString CountOption = QStringLiteral("count");
const QString HelpOption = QStringLiteral("help");
const QString VersionOption = QStringLiteral("version");
const QString SheetFormat = QStringLiteral("pdf");

void print(const QString &text)
{
    Console::writeOut(text);
}

} // namespace

CommandLine::CommandLine()
{
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_options = {
        {{QStringLiteral("p"), PortOption},
         ToolText::tr("COM1 až COM256 (jako v okně programu, včetně VRK04_COMk; com3, \\\\.\\COM12 též) "
                      "nebo cesta k zařízení.\n"
                      "Bez --port se použije jediný připojený USB převodník."),
         ToolText::tr("port")},
        {{QStringLiteral("f"), FormatOption},
         ToolText::tr("Tvar výpisu tabulky (show, read): text, csv nebo json;\n"
                      "tvar souboru (convert): bin, json, csv nebo pdf."),
         ToolText::tr("tvar"),
         QStringLiteral("text")},
        {NoVerifyOption, ToolText::tr("Po zápisu obraz nevyčítat a neporovnávat.")},
        {StrictOption, ToolText::tr("Nezapisovat, najde-li kontrola chybu (návratový kód %1).")
                           .arg(toInt(ExitCode::CheckError))},
        {{QStringLiteral("q"), QuietOption}, ToolText::tr("Na chybový výstup psát jen chyby.")},
        {TraceOption,
         ToolText::tr("Záznam linky pro podporu výrobce (test, read, write, verify, series): každý "
                      "bajt s časem a směrem, na konci výsledek; soubor UTF-8."),
         ToolText::tr("soubor")},
        {LogOption,
         ToolText::tr("Protokol série (series), doplňovaný soubor CSV; bez --log vrk04-protokol.csv\n"
                      "v aktuální složce."),
         ToolText::tr("soubor")},
        {CountOption, ToolText::tr("Kolik modulů série zapsat a ověřit (series); bez --count do Ctrl+C."),
         ToolText::tr("N")},
        {{QStringLiteral("h"), HelpOption}, ToolText::tr("Vypíše tuto nápovědu.")},
        {{QStringLiteral("v"), VersionOption}, ToolText::tr("Vypíše verzi programu.")},
    };
    m_parser.addOptions(m_options);
}

QString CommandLine::helpText() const
{
    return CommandHelp::overview(m_options);
}

bool CommandLine::writesSheet(const QStringList &arguments)
{
    CommandLine probe;
    return probe.m_parser.parse(arguments) && probe.sheetWanted();
}

bool CommandLine::sheetWanted() const
{
    const QStringList positional = m_parser.positionalArguments();
    const auto entry = commands().constFind(positional.value(0));
    if (entry == commands().constEnd() || entry->command != Command::Convert || positional.size() != 1 + entry->files)
        return false;
    return m_parser.isSet(FormatOption) ? m_parser.value(FormatOption) == SheetFormat
                                        : CustomerSheet::isSheetName(positional.constLast());
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
        const QString page = CommandHelp::page(m_parser.positionalArguments().value(0), m_options);
        print(page.isEmpty() ? helpText() : page);
        return Result::Answered;
    }
    if (m_parser.isSet(VersionOption)) {
        print(QStringLiteral("%1 %2\n%3\n")
                  .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
                       QStringLiteral(VRK04_LICENCE_LINE)));
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
    m_request.usesPort = entry->usesPort;
    if (positional.size() != entry->files) {
        return refuse(ToolText::tr("příkaz %1 chce %2 soubor(y), zadáno %3")
                          .arg(name)
                          .arg(entry->files)
                          .arg(positional.size()));
    }
    m_request.files = positional;
    if (entry->command == Command::Read && CustomerSheet::isSheetName(positional.at(0))) {
        return refuse(ToolText::tr("read neukládá do listu pro zákazníka (.pdf): list neudrží obraz modulu; "
                                   "vyčtěte do .bin, .json nebo .csv a ten převeďte příkazem convert"));
    }

    if (entry->usesPort) {
        // Without it the tool looks for a lone USB adapter.
        m_request.port = m_parser.value(PortOption);
    } else if (m_parser.isSet(PortOption)) {
        return refuse(ToolText::tr("příkaz %1 nepoužívá port").arg(name));
    }

    // The sheet is an output only, not one of the forms a file is read back from.
    m_request.sheet = sheetWanted();
    if (m_parser.isSet(FormatOption) && entry->command == Command::Convert && !m_request.sheet) {
        static const QHash<QString, ConfigText::Form> forms = {{QStringLiteral("bin"), ConfigText::Form::Image},
                                                                {QStringLiteral("json"), ConfigText::Form::Json},
                                                                {QStringLiteral("csv"), ConfigText::Form::Csv}};
        const QString format = m_parser.value(FormatOption);
        if (!forms.contains(format))
            return refuse(ToolText::tr("neznámý tvar souboru „%1“ (bin, json, csv, pdf)")
                              .arg(format));
        m_request.outputForm = forms.value(format);
    } else if (m_parser.isSet(FormatOption) && entry->command != Command::Convert) {
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
    if (m_parser.isSet(StrictOption)) {
        if (entry->command != Command::Write)
            return refuse(ToolText::tr("--strict patří jen k write"));
        m_request.strict = true;
    }
    if (m_parser.isSet(TraceOption)) {
        if (!entry->usesPort)
            return refuse(ToolText::tr("--trace patří jen k test, read, write, verify a series"));
        m_request.trace = m_parser.value(TraceOption);
    }
    for (const QString &option : {LogOption, CountOption}) {
        if (m_parser.isSet(option) && entry->command != Command::Series)
            return refuse(ToolText::tr("--%1 patří jen k series").arg(option));
    }
    m_request.log = m_parser.value(LogOption);
    if (m_parser.isSet(CountOption)) {
        bool number = false;
        m_request.count = m_parser.value(CountOption).toInt(&number);
        if (!number || m_request.count < 1)
            return refuse(ToolText::tr("--count chce kladné celé číslo, zadáno „%1“").arg(m_parser.value(CountOption)));
    }
    m_request.quiet = m_parser.isSet(QuietOption);
    return Result::Run;
}
