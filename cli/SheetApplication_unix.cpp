// SPDX-License-Identifier: MIT
// The sheet's application on Unix: the offscreen platform, whose font
// database is the system's (fontconfig), whatever platform the desktop's
// environment names and whether or not there is a display.
#include "SheetApplication.h"

#ifdef Q_OS_UNIX

#include <QGuiApplication>

namespace {

QtMessageHandler standardHandler = nullptr;

void dropWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        standardHandler(type, context, message);
}

} // namespace

std::unique_ptr<QCoreApplication> makeSheetApplication(int &argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    // The platform's start looks for the desktop session's folders and warns
    // where there are none (under sudo or cron): no concern of a tool that
    // opens no window.
    standardHandler = qInstallMessageHandler(dropWarnings);
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    qInstallMessageHandler(standardHandler);
    return app;
}

#endif
