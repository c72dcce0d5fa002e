// SPDX-License-Identifier: MIT
// vrk04: the VRK-04 module from the command line (vrk04 --help).
#include "CommandLine.h"
#include "Commands.h"
#include "Console.h"
#include "SheetApplication.h"
#include "ToolText.h"
#include "Translations.h"
#include "Version.h"

#include <QCoreApplication>

#include <memory>

namespace {

// Data that never reached stdout (a full disk) is a failure, whatever the command found.
ExitCode outputChecked(ExitCode code)
{
    const QString lost = Console::outputLost();
    if (lost.isEmpty())
        return code;
    Console().error(ToolText::tr("Výstup nelze zapsat: %1").arg(lost));
    return ExitCode::FileProblem;
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
