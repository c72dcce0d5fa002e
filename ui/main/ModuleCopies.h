// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Every image read from a module, kept in the user's data folder (a folder
// "moduly" in QStandardPaths::AppDataLocation) under its date and time, so
// that a configuration once read is never lost by a later write. The oldest
// copies beyond Kept are removed.
class ModuleCopies
{
    Q_DECLARE_TR_FUNCTIONS(ModuleCopies)

public:
    static constexpr int Kept = 200;

    static QString folder();

    // Saves image as a new copy through QSaveFile and removes the oldest
    // beyond Kept. The copy's path, or empty with a sentence in problem.
    static QString keep(const QByteArray &image, QString *problem);
};
