#include "PortReport.h"
#include "ToolText.h"

#include "PortChoice.h"
#include "SerialComm.h"

#include <QSerialPortInfo>
#include <QSet>
#include <QStringList>

namespace {

QString hex4(quint16 value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QChar(u'0'));
}

} // namespace

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
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts()) {
        if (listed.contains(port.systemLocation()) || listed.contains(port.portName()))
            continue;
        const QString ids = port.hasVendorIdentifier() && port.hasProductIdentifier()
                                ? hex4(port.vendorIdentifier()) + u':' + hex4(port.productIdentifier())
                                : QString();
        text += QStringList{port.systemLocation(), port.description(), ids}.join(u'\t') + u'\n';
    }
    return text;
}
