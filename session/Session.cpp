// SPDX-License-Identifier: MIT
#include "Session.h"

#include <utility>

Session::Session(QObject *parent)
    : QObject(parent)
    , m_link(this)
    , m_config(this)
{
    // Connected first: whoever hears of a read's end finds its bytes in the configuration.
    connect(&m_link, &ModuleLink::operationEnded, this, &Session::follow);
    connect(&m_link, &ModuleLink::portLost, this, [this] { m_knownDevice.clear(); });
    connect(&m_config, &Configuration::tableChanged, this, &Session::stateChanged);
    connect(&m_config, &Configuration::defaultStatesChanged, this, &Session::stateChanged);
    m_kept = current();
}

Session::Kept Session::current() const
{
    return {m_config.CommandTable(), m_config.DefaultStateByte1(), m_config.DefaultStateByte2()};
}

QByteArray Session::tableImage() const
{
    return encodeImage(m_config.CommandTable(), m_config.DefaultStateByte1(), m_config.DefaultStateByte2()).image;
}

bool Session::differsFromKept() const
{
    return !(current() == m_kept);
}

void Session::keep(const Kept &kept)
{
    m_kept = kept;
    emit stateChanged();
}

void Session::keepAsFactory()
{
    m_origin = {};
    keep(current());
}

void Session::keepFile(const QString &path)
{
    m_origin = {Origin::Kind::File, path, {}, {}};
    keep(current());
}

std::optional<QByteArray> Session::knownImage() const
{
    if (m_knownDevice.isEmpty() || m_knownDevice != m_link.deviceName())
        return std::nullopt;
    return m_knownImage;
}

void Session::read()
{
    m_link.readFromModule();
}

void Session::write()
{
    // A transfer under way refuses the write with one line; its image stays as it is.
    if (m_link.isBusy() && m_link.runningOperation() != ModuleLink::Operation::Test) {
        m_link.writeImage(m_config.ConfigImage());
        return;
    }
    QString problem;
    if (!m_config.TableToImage(&problem)) {
        m_link.refuseWrite(problem);
        return;
    }
    m_writing = current();
    m_writesTable = true;
    m_link.writeImage(m_config.ConfigImage());
}

void Session::follow(ModuleLink::Operation operation, ModuleLink::Outcome outcome)
{
    using Operation = ModuleLink::Operation;
    const bool succeeded = outcome == ModuleLink::Outcome::Succeeded;
    if (operation == Operation::Read && m_link.lastReadComplete()) {
        // Bytes that do not decode become ConfigImage, to be looked at and
        // saved, and leave the table as it was.
        m_config.receiveImage(m_link.lastReadImage());
        if (succeeded) {
            m_origin = {Origin::Kind::Module, {}, m_link.portLabel(), QDateTime::currentDateTime()};
            keep(current());
        }
    }
    // The image went out as the write started: an edit made meanwhile is not in the module.
    if (operation == Operation::Write && std::exchange(m_writesTable, false) && succeeded)
        keep(m_writing);
    learnModule(operation, outcome);
}

void Session::learnModule(ModuleLink::Operation operation, ModuleLink::Outcome outcome)
{
    using Operation = ModuleLink::Operation;
    if (operation == Operation::Test)
        return;
    if (outcome != ModuleLink::Outcome::Succeeded) {
        // A write that did not end may have left anything in the module.
        if (operation == Operation::Write)
            m_knownDevice.clear();
        return;
    }
    m_knownDevice = m_link.deviceName();
    switch (operation) {
    case Operation::Read:
        m_knownImage = m_link.lastReadImage();
        break;
    case Operation::Write:
        m_knownImage = m_link.writtenImage();
        break;
    case Operation::Verify:
        m_knownImage = m_link.verifiedImage();
        break;
    case Operation::Test:
        break;
    }
}
