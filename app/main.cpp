// SPDX-License-Identifier: MIT
#include "Form1.h"
#include "StopSignals.h"
#include "Translations.h"
#include "Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication::setOrganizationName(QStringLiteral(VRK04_ORGANIZATION));
    QApplication::setApplicationName(QStringLiteral("vrk04-setup"));
    QApplication::setApplicationVersion(QStringLiteral(VRK04_VERSION));

    // --version is answered before QApplication opens the display, so it works
    // without one; the options Qt itself takes (-platform, -style) pass on.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(arguments);
    if (parser.isSet(version)) {
        // Qt prints "name version"; the licence follows on a line of its own.
        QApplication::setApplicationVersion(QStringLiteral(VRK04_VERSION "\n" VRK04_LICENCE_LINE));
        parser.showVersion();
    }

    QApplication app(argc, argv);
    installTranslations(app);
    QGuiApplication::setDesktopFileName(QStringLiteral(VRK04_APP_ID));
    Form1 window;
    StopSignals stops;
    QObject::connect(&stops, &StopSignals::requested, &window, &Form1::stopRequested);
    window.show();
    // A configuration file given (a double-click in a file manager) opens as
    // "Otevřít…" opens it, once the window shows; Qt's own options are gone
    // from the arguments by now.
    parser.parse(QCoreApplication::arguments());
    if (const QStringList files = parser.positionalArguments(); !files.isEmpty())
        QTimer::singleShot(0, &window, [&window, file = files.constFirst()] { window.openFile(file); });
    return app.exec();
}
