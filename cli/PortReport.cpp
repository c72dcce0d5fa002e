// SPDX-License-Identifier: MIT
#include "PortReport.h"
#include "ToolText.h"

#include "PortCatalog.h"
#include "PortChoice.h"
#include "SerialComm.h"

#include <QSet>

QString portReport()
{
    QString text;
    QSet<QString> listed;
    SerialComm comm;
    for (int k = 1; k <= PortChoice::PortCount; ++k) {
        comm.setCommPort(k);
        QString state = ToolText::tr("otevře se");
        if (!comm.setPortOpen(true))
            state = ToolText::tr("nelze otevřít: ") + comm.failureReason();
        else
            comm.setPortOpen(false);
        text += QStringLiteral("COM%1\t%2\t%3\n").arg(k).arg(comm.deviceName(), state);
        listed << comm.deviceName();
    }
    QList<PortRecord> others = PortCatalog::available();
    others.removeIf([&listed](const PortRecord &port) { return listed.contains(port.device); });
    return text + PortCatalog::report(others);
}
