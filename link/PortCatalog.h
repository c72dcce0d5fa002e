// SPDX-License-Identifier: MIT
#pragma once

#include "PortRecord.h"

#include <QHash>
#include <QList>
#include <QString>

// One line of the port list in the window: what the user reads and the path
// that is opened.
struct PortEntry
{
    QString text;
    QString path;
};

// The serial ports a technician may plug in: what the system lists, with the
// stable names of /dev/serial/by-id (Linux), as entries for the window and
// lines for the tool.
class PortCatalog
{
public:
    // The ports the system offers now.
    static QList<PortRecord> available();

    // Gives each record the by-id link that leads to its device. links maps
    // each link's path to the device it leads to.
    static void attachByIdNames(QList<PortRecord> &records, const QHash<QString, QString> &links);

    // "ttyUSB0 – FT232R USB UART (FTDI, A50285BI)": the device's name, then
    // whatever else is known about it.
    static QString entryText(const PortRecord &record);
    // Every device, then every by-id name ("usb-FTDI_…-port0 → ttyUSB0").
    static QList<PortEntry> entries(const QList<PortRecord> &records);

    // The lines of `vrk04 ports` for these ports: one a port, tab-separated:
    // "USB" or "-", device, by-id name, description, maker, serial number,
    // VID:PID.
    static QString report(const QList<PortRecord> &records);
};
