// SPDX-License-Identifier: MIT
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString English = QStringLiteral("en");
const QString Czech = QStringLiteral("cs");

bool load(QCoreApplication &app, const QString &name, const QStringList &folders)
{
    auto *translator = new QTranslator(&app);
    for (const QString &folder : folders) {
        if (translator->load(name, folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

} // namespace

QString programLanguage()
{
    const QStringList preferred = QLocale::system().uiLanguages();
    if (!preferred.isEmpty() && QLocale(preferred.constFirst()).language() == QLocale::English)
        return English;
    return Czech;
}

void installTranslations(QCoreApplication &app)
{
    const QString language = programLanguage();
    load(app, QStringLiteral("vrk04_") + language, {QStringLiteral(":/i18n")});
    // Qt's own texts are English to begin with.
    if (language != English) {
        load(app, QStringLiteral("qtbase_") + language,
             {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
              QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    }
}
