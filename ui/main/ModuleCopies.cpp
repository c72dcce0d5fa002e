// SPDX-License-Identifier: MIT
#include "ModuleCopies.h"

#include "ImageFile.h"
#include "Portable.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

const QString Suffix = QStringLiteral(".bin");
const QString StampFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss-zzz");

// "2026-12-08_17-05-09-123.bin", or "..._2.bin" for a second copy within the
// same millisecond: the copy's time and its number.
struct CopyName
{
    QString name;
    QDateTime time;
    int number = 1;
};

std::optional<CopyName> parseCopyName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^(\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d-\\d{3})(?:_([2-9]|[1-9]\\d+))?\\.bin$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    const QDateTime time = QDateTime::fromString(match.captured(1), StampFormat);
    if (!time.isValid())
        return std::nullopt;
    return CopyName{name, time, match.hasCaptured(2) ? match.captured(2).toInt() : 1};
}

} // namespace

QString ModuleCopies::folder()
{
    const QString portable = Portable::folder();
    return (portable.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : portable)
           + QStringLiteral("/moduly");
}

bool ModuleCopies::holds(const QString &folderPath)
{
    const QString copies = QDir::cleanPath(folder());
    const QString path = QDir::cleanPath(folderPath);
    return path == copies || path.startsWith(copies + u'/');
}

QString ModuleCopies::keep(const QByteArray &image, QString *problem)
{
    const QFileInfo place(folder());
    // Copies and their pruning stay in the program's own folder: a "moduly"
    // linked elsewhere would have other files counted among the copies.
    if (place.isSymLink()) {
        const QString data = QFileInfo(place.path()).canonicalFilePath();
        if (data.isEmpty() || !place.canonicalFilePath().startsWith(data + u'/')) {
            *problem = tr("%1 je odkaz mimo datovou složku programu, kopie se tam neukládají.")
                           .arg(ImageFile::quoted(place.filePath()));
            return {};
        }
    }
    QDir dir(place.filePath());
    if (!dir.mkpath(QStringLiteral("."))) {
        *problem = tr("Složku %1 nelze vytvořit.").arg(ImageFile::quoted(dir.path()));
        return {};
    }
    const QString stamp = QDateTime::currentDateTime().toString(StampFormat);
    QString name = stamp + Suffix;
    for (int n = 2; dir.exists(name); ++n)
        name = QStringLiteral("%1_%2").arg(stamp).arg(n) + Suffix;
    if (!ImageFile::save(dir.filePath(name), image, problem))
        return {};

    std::vector<CopyName> copies;
    for (const QString &entry : dir.entryList({QLatin1Char('*') + Suffix}, QDir::Files | QDir::NoSymLinks)) {
        if (const auto copy = parseCopyName(entry); copy && entry != name)
            copies.push_back(*copy);
    }
    const auto older = [](const CopyName &a, const CopyName &b) {
        return a.time != b.time ? a.time < b.time : a.number < b.number;
    };
    std::sort(copies.begin(), copies.end(), older);
    // The new copy counts among the Kept.
    for (std::size_t i = 0; i + Kept < copies.size() + 1; ++i)
        dir.remove(copies[i].name);
    return dir.filePath(name);
}
