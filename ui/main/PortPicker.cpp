// SPDX-License-Identifier: MIT
#include "PortPicker.h"

#include "LinkText.h"
#include "ModuleLink.h"
#include "PortChoice.h"
#include "PortCombo.h"
#include "PortName.h"
#include "RememberedChoices.h"
#include "SerialComm.h"

#include <QFileInfo>
#include <QRadioButton>
#include <utility>

PortPicker::PortPicker(ModuleLink &link, PortChoice &choice, PortCombo &box, const QList<QRadioButton *> &options,
                       QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_choice(choice)
    , m_box(box)
    , m_options(options)
{
    // Connected after the options' own SelectPort, so this runs once the port is chosen.
    for (int k = 1; k <= m_options.size(); ++k)
        connect(m_options.at(k - 1), &QRadioButton::clicked, this, [this, k] { optionChosen(k); });
    connect(&m_box, &PortCombo::portEntered, this, &PortPicker::otherPortEntered);
}

void PortPicker::optionChosen(int k)
{
    m_restored.clear();
    m_box.clearEditText();
    remember(QStringLiteral("COM%1").arg(k));
}

void PortPicker::otherPortEntered(const QString &typed)
{
    m_restored.clear();
    const QString path = PortName::normalised(typed);
    clearOptions();
    QString reason;
    if (!m_link.openPort(path, &reason))
        emit logged(LinkText::portCannotOpen(path, reason));
    remember(path);
}

void PortPicker::remember(const QString &port)
{
    if (const QString problem = RememberedChoices::setPort(port); !problem.isEmpty())
        emit notRemembered(problem);
}

void PortPicker::clearOptions()
{
    for (QRadioButton *option : std::as_const(m_options)) {
        if (!option->isChecked())
            continue;
        // A group of exclusive options never lets the last one go by itself.
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void PortPicker::restore()
{
    const QString port = RememberedChoices::port();
    if (port.isEmpty())
        return;
    for (int k = 1; k <= m_options.size(); ++k) {
        if (port != QStringLiteral("COM%1").arg(k))
            continue;
        QRadioButton *option = m_options.at(k - 1);
        if (!option->isEnabled())
            return;
        option->setChecked(true);
        m_restored = port;
        emit logged(tr("Zvolen port z minulého spuštění: %1 (%2)").arg(port, SerialComm::deviceFor(k)));
        return;
    }
    // A device path that has gone (an adapter unplugged) is not offered.
    if (port.startsWith(u'/') && !QFileInfo::exists(port))
        return;
    m_box.setEditText(port);
    m_restored = port;
    emit logged(tr("Zvolen port z minulého spuštění: %1").arg(port));
}

void PortPicker::openRestored()
{
    if (m_restored.isEmpty())
        return;
    const QString port = std::exchange(m_restored, QString());
    for (int k = 1; k <= m_options.size(); ++k) {
        if (port == QStringLiteral("COM%1").arg(k)) {
            m_choice.SelectPort();
            return;
        }
    }
    QString reason;
    if (!m_link.openPort(port, &reason))
        emit logged(LinkText::portCannotOpen(port, reason));
}
