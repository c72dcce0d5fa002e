// vrk04: the VRK-04 module from the command line (vrk04 --help).
#include "CommandLine.h"
#include "Commands.h"
#include "Console.h"
#include "Translations.h"
#include "Version.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    installTranslations(app);
    QCoreApplication::setApplicationName(QStringLiteral("vrk04"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VRK04_VERSION));

    CommandLine commandLine;
    switch (commandLine.parse(QCoreApplication::arguments())) {
    case CommandLine::Result::Answered:
        return toInt(ExitCode::Done);
    case CommandLine::Result::BadUsage:
        Console().usage(commandLine.error());
        return toInt(ExitCode::BadUsage);
    case CommandLine::Result::Run:
        break;
    }
    const Request &request = commandLine.request();
    Console console(request.quiet ? Console::Verbosity::Quiet : Console::Verbosity::Normal);
    return toInt(Commands(request, console).run());
}
