// SPDX-License-Identifier: MIT
#include "KnownModule.h"

#include "Fingerprint.h"

KnownModule::KnownModule(ModuleLink &link, QObject *parent)
    : QObject(parent)
    , m_link(link)
{
    connect(&m_link, &ModuleLink::operationEnded, this, &KnownModule::follow);
    connect(&m_link.comm(), &SerialComm::closedOnItsOwn, this, [this] { m_device.clear(); });
}

std::optional<QByteArray> KnownModule::image() const
{
    if (m_device.isEmpty() || m_device != m_link.comm().deviceName())
        return std::nullopt;
    return m_image;
}

void KnownModule::follow(ModuleLink::Operation operation, ModuleLink::Outcome outcome)
{
    using Operation = ModuleLink::Operation;
    if (operation == Operation::Test)
        return;
    if (outcome != ModuleLink::Outcome::Succeeded) {
        // A write that did not end may have left anything in the module.
        if (operation == Operation::Write)
            m_device.clear();
        return;
    }
    m_device = m_link.comm().deviceName();
    switch (operation) {
    case Operation::Read:
        m_image = m_link.lastReadImage();
        break;
    case Operation::Write:
        m_image = m_link.writtenImage();
        break;
    case Operation::Verify:
        m_image = m_link.verifiedImage();
        return;
    case Operation::Test:
        return;
    }
    // What the module holds now, not the table: it may have been edited meanwhile.
    emit logged(fingerprintLine(imageFingerprint(m_image)));
}
