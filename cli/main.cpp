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
