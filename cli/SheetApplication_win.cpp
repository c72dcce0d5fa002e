// SPDX-License-Identifier: MIT
// The sheet's application on Windows: the native platform, installed with
// the window. The offscreen platform would find only the fonts in Qt's own
// folder, not the system's.
#include "SheetApplication.h"

#ifdef Q_OS_WIN

#include <QGuiApplication>

std::unique_ptr<QCoreApplication> makeSheetApplication(int &argc, char *argv[])
{
    return std::make_unique<QGuiApplication>(argc, argv);
}

#endif
