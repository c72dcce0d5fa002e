// SPDX-License-Identifier: MIT
#include "RememberedChoices.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

const QString PortKey = QStringLiteral("port/last");
const QString VerifyKey = QStringLiteral("transfer/verifyAfterWrite");

// Only a program that names its organization keeps anything: QSettings would
// otherwise share one "Unknown Organization" folder among every test program
// that builds the window, and a choice of one run would change the next.
bool kept()
{
    return !QCoreApplication::organizationName().isEmpty();
}

QVariant value(const QString &key, const QVariant &fallback)
{
    return kept() ? QSettings().value(key, fallback) : fallback;
}

void setValue(const QString &key, const QVariant &value)
{
    if (kept())
        QSettings().setValue(key, value);
}

} // namespace

QString RememberedChoices::port()
{
    return value(PortKey, QString()).toString();
}

void RememberedChoices::setPort(const QString &port)
{
    setValue(PortKey, port);
}

bool RememberedChoices::verifyAfterWrite()
{
    return value(VerifyKey, true).toBool();
}

void RememberedChoices::setVerifyAfterWrite(bool on)
{
    setValue(VerifyKey, on);
}
