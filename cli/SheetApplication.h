// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>

#include <memory>

// The application of a tool run that typesets a sheet: a QGuiApplication,
// for its fonts, on a platform that needs no display yet offers the system's
// fonts. The tool opens no window.
std::unique_ptr<QCoreApplication> makeSheetApplication(int &argc, char *argv[]);
