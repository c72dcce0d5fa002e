// SPDX-License-Identifier: MIT
#include "RememberedChoices.h"

#include "ImageFile.h"
#include "Portable.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <memory>
#include <utility>

namespace {

const QString PortKey = QStringLiteral("port/last");
const QString VerifyKey = QStringLiteral("transfer/verifyAfterWrite");

// A portable program keeps its settings in an INI file beside it.
QString portableFile()
{
    const QString folder = Portable::folder();
    return folder.isEmpty() ? QString() : folder + u'/' + QCoreApplication::applicationName() + QStringLiteral(".ini");
}

std::unique_ptr<QSettings> openSettings()
{
    const QString portable = portableFile();
    if (portable.isEmpty())
        return std::make_unique<QSettings>();
    return std::make_unique<QSettings>(portable, QSettings::IniFormat);
}

// The settings file that is no regular file, with why; QSettings reads the
// application's file and the organization's as it is made.
std::pair<QString, QString> unreadableFile()
{
    if (const QString portable = portableFile(); !portable.isEmpty()) {
        const QString why = ImageFile::notRegularFile(portable);
        return {why.isEmpty() ? QString() : portable, why};
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/'
                           + QCoreApplication::organizationName();
    for (const QString &path : {folder + u'/' + QCoreApplication::applicationName() + QStringLiteral(".conf"),
                                folder + QStringLiteral(".conf")}) {
        if (const QString why = ImageFile::notRegularFile(path); !why.isEmpty())
            return {path, why};
    }
    return {};
}

// Only a program that names its organization keeps anything: QSettings would
// otherwise share one "Unknown Organization" folder among every test program
// that builds the window, and a choice of one run would change the next.
bool kept()
{
    return !QCoreApplication::organizationName().isEmpty() && unreadableFile().first.isEmpty();
}

QVariant value(const QString &key, const QVariant &fallback)
{
    return kept() ? openSettings()->value(key, fallback) : fallback;
}

QString setValue(const QString &key, const QVariant &value)
{
    if (!kept())
        return {};
    const std::unique_ptr<QSettings> settings = openSettings();
    settings->setValue(key, value);
    settings->sync();
    static bool reported = false;
    if (settings->status() == QSettings::NoError || std::exchange(reported, true))
        return {};
    return QCoreApplication::translate("RememberedChoices", "Nastavení nelze uložit do %1. Volby tohoto běhu se "
                                                            "příště nepoužijí.")
        .arg(ImageFile::quoted(QDir::toNativeSeparators(settings->fileName())));
}

} // namespace

QString RememberedChoices::port()
{
    return value(PortKey, QString()).toString();
}

QString RememberedChoices::setPort(const QString &port)
{
    return setValue(PortKey, port);
}

bool RememberedChoices::verifyAfterWrite()
{
    return value(VerifyKey, true).toBool();
}

QString RememberedChoices::setVerifyAfterWrite(bool on)
{
    return setValue(VerifyKey, on);
}

QString RememberedChoices::problem()
{
    if (QCoreApplication::organizationName().isEmpty())
        return {};
    const auto [path, why] = unreadableFile();
    if (path.isEmpty())
        return {};
    return QCoreApplication::translate("RememberedChoices", "Nastavení %1 nelze přečíst: %2. Program začíná s výchozím nastavením.")
        .arg(ImageFile::quoted(path), why);
}
