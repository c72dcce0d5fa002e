// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Every image read from a module, kept in the user's data folder (a folder
// "moduly" in QStandardPaths::AppDataLocation, beside a portable program)
// under its date and time, so
// that a configuration once read is never lost by a later write. Only the
// copies named so are counted: the oldest by the time in their names beyond
// Kept are removed, never the copy just made and never any other file.
class ModuleCopies
{
    Q_DECLARE_TR_FUNCTIONS(ModuleCopies)

public:
    static constexpr int Kept = 200;

    static QString folder();
    // The copies' folder or a folder in it.
    static bool holds(const QString &folderPath);

    // Saves image as a new copy through QSaveFile and removes the oldest
    // beyond Kept. The copy's path, or empty with a sentence in problem; a
    // "moduly" that leads out of the data folder (a symbolic link) is refused.
    static QString keep(const QByteArray &image, QString *problem);
};
