// SPDX-License-Identifier: MIT
#include "ModuleCopies.h"

#include "ImageFile.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

namespace {

const QString Suffix = QStringLiteral(".bin");

} // namespace

QString ModuleCopies::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/moduly");
}

QString ModuleCopies::keep(const QByteArray &image, QString *problem)
{
    QDir dir(folder());
    if (!dir.mkpath(QStringLiteral("."))) {
        *problem = tr("Složku %1 nelze vytvořit.").arg(ImageFile::quoted(dir.path()));
        return {};
    }
    // Names sort as the copies were made.
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss-zzz"));
    QString path = dir.filePath(stamp + Suffix);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1_%2").arg(stamp).arg(n) + Suffix);
    if (!ImageFile::save(path, image, problem))
        return {};
    const QStringList copies = dir.entryList({QLatin1Char('*') + Suffix}, QDir::Files, QDir::Name);
    for (qsizetype i = 0; i < copies.size() - Kept; ++i)
        dir.remove(copies.at(i));
    return path;
}
