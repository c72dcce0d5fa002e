// SPDX-License-Identifier: MIT
// vrk04: the VRK-04 module from the command line (vrk04 --help).
#include "CommandLine.h"
#include "Commands.h"
#include "Console.h"
#include "SheetApplication.h"
#include "StopSignals.h"
#include "ToolText.h"
#include "Translations.h"
#include "Version.h"

#include <QCoreApplication>

#include <memory>

namespace {

// Data that never reached stdout (a full disk) is a failure, whatever the
// command found; so are status lines that never reached stderr, unless
// something else failed already.
ExitCode outputChecked(ExitCode code)
{
    const QString lost = Console::outputLost();
    if (!lost.isEmpty()) {
        Console().error(ToolText::tr("Výstup nelze zapsat: %1").arg(lost));
        return ExitCode::FileProblem;
    }
    return code == ExitCode::Done && Console::errorsLost() ? ExitCode::FileProblem : code;
}

// Only a sheet needs Qt Gui's platform: every other command starts without it.
std::unique_ptr<QCoreApplication> makeApplication(int &argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!CommandLine::writesSheet(arguments))
        return std::make_unique<QCoreApplication>(argc, argv);
    return makeSheetApplication(argc, argv);
}

// Qt reads the arguments as text: a file name whose bytes are not text in the
// system's encoding comes back with U+FFFD in it and names another file.
// Such an argument is returned for a message, its bytes outside printable
// ASCII as \xHH.
QString mangledArgument(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray given(argv[i]);
        if (QString::fromLocal8Bit(given).toLocal8Bit() == given)
            continue;
        QString shown;
        for (const char byte : given) {
            const auto value = uchar(byte);
            shown += value >= 0x20 && value < 0x7F ? QString(QChar(value))
                                                   : QStringLiteral("\\x") + QString::number(value, 16).rightJustified(2, u'0').toUpper();
        }
        return shown;
    }
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    // A reader of stdout or stderr that goes away (| head) must not end a
    // write half-way; the lost lines are reported by the exit code.
    StopSignals::ignoreBrokenPipe();
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    installTranslations(*app);
    QCoreApplication::setOrganizationName(QStringLiteral(VRK04_ORGANIZATION));
    QCoreApplication::setApplicationName(QStringLiteral("vrk04"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VRK04_VERSION));

    if (const QString mangled = mangledArgument(argc, argv); !mangled.isEmpty()) {
        Console().usage(ToolText::tr("„%1“ není text v kódování systému: soubor s takovým jménem by se četl "
                                     "nebo uložil pod jiným jménem; přejmenujte ho")
                            .arg(mangled));
        return toInt(ExitCode::BadUsage);
    }
    CommandLine commandLine;
    switch (commandLine.parse(QCoreApplication::arguments())) {
    case CommandLine::Result::Answered:
        return toInt(outputChecked(ExitCode::Done));
    case CommandLine::Result::BadUsage:
        Console().usage(commandLine.error());
        return toInt(ExitCode::BadUsage);
    case CommandLine::Result::Run:
        break;
    }
    const Request &request = commandLine.request();
    Console console(request.quiet ? Console::Verbosity::Quiet : Console::Verbosity::Normal);
    return toInt(outputChecked(Commands(request, console).run()));
}
