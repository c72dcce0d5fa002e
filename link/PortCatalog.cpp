// SPDX-License-Identifier: MIT
#include "PortCatalog.h"

#include "PortPlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStringList>

namespace {

// Stable names of USB-serial adapters, made by udev on Linux.
const QString ByIdFolder = QStringLiteral("/dev/serial/by-id");

QHash<QString, QString> byIdLinks()
{
    QHash<QString, QString> links;
    const QFileInfoList found = QDir(ByIdFolder).entryInfoList(QDir::System | QDir::Files, QDir::Name);
    for (const QFileInfo &link : found)
        links.insert(link.absoluteFilePath(), PortPlatform::deviceBehind(link.absoluteFilePath()));
    return links;
}

QString shortName(const QString &path)
{
    return path.section(u'/', -1);
}

} // namespace

QList<PortRecord> PortCatalog::available()
{
    QList<PortRecord> records;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        PortRecord record;
        // A device path where the system has one, else the port's name (COM3).
        record.device = info.systemLocation().startsWith(u'/') ? info.systemLocation() : info.portName();
        record.description = info.description();
        record.manufacturer = info.manufacturer();
        record.serialNumber = info.serialNumber();
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            record.vendorId = info.vendorIdentifier();
            record.productId = info.productIdentifier();
        }
        records << record;
    }
    attachByIdNames(records, byIdLinks());
    return records;
}

void PortCatalog::attachByIdNames(QList<PortRecord> &records, const QHash<QString, QString> &links)
{
    QStringList names = links.keys();
    names.sort();
    for (PortRecord &record : records) {
        for (const QString &name : std::as_const(names)) {
            if (links.value(name) == record.device) {
                record.byId = name;
                break;
            }
        }
    }
}

QString PortCatalog::entryText(const PortRecord &record)
{
    QString text = shortName(record.device);
    QStringList details;
    for (const QString &detail : {record.manufacturer, record.serialNumber}) {
        if (!detail.isEmpty())
            details << detail;
    }
    if (!record.description.isEmpty())
        text += QStringLiteral(" – ") + record.description;
    if (!details.isEmpty())
        text += QStringLiteral(" (%1)").arg(details.join(QStringLiteral(", ")));
    return text;
}

QList<PortEntry> PortCatalog::entries(const QList<PortRecord> &records)
{
    QList<PortEntry> result;
    for (const PortRecord &record : records)
        result << PortEntry{entryText(record), record.device};
    for (const PortRecord &record : records) {
        if (!record.byId.isEmpty())
            result << PortEntry{shortName(record.byId) + QStringLiteral(" → ") + shortName(record.device), record.byId};
    }
    return result;
}

QString PortCatalog::report(const QList<PortRecord> &records)
{
    QString text;
    for (const PortRecord &record : records) {
        const QString mark = record.isUsbAdapter() ? QStringLiteral("USB") : QStringLiteral("-");
        text += QStringList{mark, record.device, record.byId, record.description, record.manufacturer,
                            record.serialNumber, record.usbIds()}
                    .join(u'\t')
                + u'\n';
    }
    return text;
}
