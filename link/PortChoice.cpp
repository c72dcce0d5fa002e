// SPDX-License-Identifier: MIT
#include "PortChoice.h"

#include "Comm.h"
#include "LinkText.h"

PortChoice::PortChoice(Comm &comm, PortOptions &options, QObject *parent)
    : QObject(parent)
    , m_comm(comm)
    , m_options(options)
{
}

void PortChoice::ScanPorts()
{
    for (int k = 1; k <= PortCount; ++k)
        m_options.setOptionEnabled(k, true);

    for (int k = 1; k <= PortCount; ++k) {
        m_comm.setCommPort(k);
        QString tip = m_comm.deviceName();
        const bool opened = m_comm.setPortOpen(true);
        if (!opened) {
            tip += QStringLiteral(": ") + m_comm.failureReason();
            m_options.setOptionEnabled(k, false);
        }
        // The close is attempted even after a failed open, as a second check.
        if (!m_comm.setPortOpen(false)) {
            if (opened)
                tip += QStringLiteral(": ") + m_comm.failureReason();
            m_options.setOptionEnabled(k, false);
        }
        m_options.setOptionToolTip(k, tip);
    }
}

void PortChoice::SelectPort()
{
    if (m_comm.PortOpen())
        m_comm.setPortOpen(false);

    for (int k = 1; k <= PortCount; ++k) {
        if (!m_options.optionValue(k))
            continue;
        m_comm.setCommPort(k);
        if (!m_comm.setPortOpen(true)) {
            emit logged(LinkText::portCannotOpen(QStringLiteral("COM%1").arg(k), m_comm.failureReason()));
            continue;
        }
        // A device without an RTS line (a pseudo-terminal) still carries the link.
        m_comm.setRTSEnable(true);
    }
}
