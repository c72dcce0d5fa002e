// SPDX-License-Identifier: MIT
#include "PortReport.h"
#include "ToolText.h"

#include "PortCatalog.h"
#include "PortChoice.h"
#include "SerialComm.h"

#include <QSet>

QString portReport()
{
    QString text = ToolText::tr("port\tzařízení\tstav") + u'\n';
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
    if (others.isEmpty())
        return text;
    return text + ToolText::tr("USB\tzařízení\tby-id\tpopis\tvýrobce\tsériové číslo\tVID:PID") + u'\n'
           + PortCatalog::report(others);
}
