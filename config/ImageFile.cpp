// SPDX-License-Identifier: MIT
#include "ImageFile.h"

#include "ConfigText.h"
#include "ConfigWords.h"
#include "ImageCodec.h"
#include "ImageDiff.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ImageFile {

namespace {

QString cannotSave(const QString &path, const QString &reason)
{
    return ConfigWords::tr("Soubor %1 nelze uložit: %2.").arg(quoted(path), reason);
}

QString tooLong(qint64 size, qsizetype maximum)
{
    return ConfigWords::tr("má %1 B, povoleno je nejvýše %2 B").arg(size).arg(maximum);
}

// Why a file cannot be read, in Czech; Qt's own texts are English.
QString readFailure(const QFile &file)
{
    const QFileInfo info(file.fileName());
    if (info.isDir())
        return ConfigWords::tr("je to složka");
    if (!info.exists())
        return ConfigWords::tr("soubor neexistuje");
    if (!info.isReadable())
        return ConfigWords::tr("přístup odepřen");
    return file.errorString();
}

QString tooShort(qsizetype size)
{
    return ConfigWords::tr("má %1 B, konfigurační obraz má nejméně %2 B")
        .arg(size)
        .arg(ConfigImageLayout::DecodedLength);
}

} // namespace

QString undecodableByte(const QByteArray &bytes, int position)
{
    if (position < 1 || position > bytes.size())
        return tooShort(bytes.size());
    return ConfigWords::tr("bajt 0x%1 na pozici %2 (%3) nelze dekódovat")
        .arg(quint8(bytes.at(position - 1)), 2, 16, QChar(u'0'))
        .arg(position)
        .arg(describePosition(position));
}

QString problemWith(const QByteArray &bytes, qsizetype maximum)
{
    using ConfigImageLayout::DecodedLength;
    if (bytes.size() < DecodedLength)
        return tooShort(bytes.size());
    if (bytes.size() > maximum)
        return tooLong(bytes.size(), maximum);
    const ImageDecoding decoded = decodeImage(bytes, CommandTable());
    if (!decoded.ok())
        return undecodableByte(bytes, decoded.failedPosition);
    return {};
}

Loaded load(const QString &path, qsizetype maximum)
{
    Loaded result;
    QFile file(path);
    auto fail = [&](const QString &sentence, const QString &reason) {
        result.problem = sentence.arg(quoted(path), reason);
        return result;
    };
    const QString unreadable = ConfigWords::tr("Soubor %1 nelze přečíst: %2.");
    if (const QString special = notRegularFile(path); !special.isEmpty())
        return fail(unreadable, special);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return fail(unreadable, readFailure(file));
    // One byte past the maximum tells that the file is too long.
    const QByteArray bytes = file.read(qMax(maximum, ConfigText::MaximumSize) + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(unreadable, file.errorString());
    if (ConfigText::formOfContent(bytes) != ConfigText::Form::Image && bytes.size() <= ConfigText::MaximumSize) {
        ConfigText::Reading reading = ConfigText::read(bytes);
        if (!reading.ok()) {
            result.problem = reading.refusal.message(QDir::toNativeSeparators(path));
            return result;
        }
        result.bytes = std::move(reading.image);
        return result;
    }
    const QString notImage = ConfigWords::tr("Soubor %1 není konfigurační obraz: %2.");
    if (bytes.size() > maximum)
        return fail(notImage, tooLong(qMax(file.size(), qint64(bytes.size())), maximum));
    const QString problem = problemWith(bytes, maximum);
    if (!problem.isEmpty())
        return fail(notImage, problem);
    result.bytes = bytes;
    return result;
}

QByteArray whole(QByteArray image)
{
    if (image.size() < ConfigImageLayout::ImageSize)
        image.append(ConfigImageLayout::ImageSize - image.size(), ConfigImageLayout::FillByte);
    return image;
}

QString unsavable(const QString &path)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    QString reason;
    if (target.isDir())
        reason = ConfigWords::tr("je to složka");
    else if (const QString special = notRegularFile(path); !special.isEmpty())
        reason = special;
    else if (target.exists() && !target.isWritable())
        reason = ConfigWords::tr("soubor je jen pro čtení");
    else if (!folder.isDir())
        reason = ConfigWords::tr("složka %1 neexistuje").arg(quoted(folder.filePath()));
    else if (!folder.isWritable())
        reason = ConfigWords::tr("do složky %1 nelze zapisovat").arg(quoted(folder.filePath()));
    return reason.isEmpty() ? reason : cannotSave(path, reason);
}

bool save(const QString &path, const QByteArray &bytes, QString *problem)
{
    QSaveFile file(path);
    auto fail = [&](const QString &sentence) {
        file.cancelWriting();
        if (problem)
            *problem = sentence;
        return false;
    };
    const QString before = unsavable(path);
    if (!before.isEmpty())
        return fail(before);
    // Unbuffered: a short write (a full disk) shows in write()'s count. Through
    // the buffer, Qt 6.4's commit() reports success after a short write at its
    // final flush and leaves a truncated file under the name.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(cannotSave(path, file.errorString()));
    if (file.write(bytes) != bytes.size())
        return fail(cannotSave(path, ConfigWords::tr("zápis se nedokončil (plný disk?)")));
    if (!file.commit())
        return fail(cannotSave(path, ConfigWords::tr("zápis selhal (%1)").arg(file.errorString())));
    return true;
}

QString notRegularFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile() || info.isDir())
        return {};
    return ConfigWords::tr("není to obyčejný soubor, ale zařízení, roura nebo soket");
}

QString quoted(const QString &path)
{
    return QStringLiteral("„%1“").arg(QDir::toNativeSeparators(path));
}

} // namespace ImageFile
