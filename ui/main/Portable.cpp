// SPDX-License-Identifier: MIT
#include "Portable.h"

#include <QCoreApplication>
#include <QFileInfo>

QString Portable::folder()
{
    static const QString found = [] {
        const QString here = QCoreApplication::applicationDirPath();
        return QFileInfo(here + QStringLiteral("/portable.txt")).isFile() ? here : QString();
    }();
    return found;
}
