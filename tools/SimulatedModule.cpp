#include "SimulatedModule.h"

namespace {

constexpr char Attention = 3;
constexpr char ReadRequest = 12;
constexpr char WriteRequest = 11;
constexpr char StartOfData = 2;
constexpr char Ack = 6;
constexpr char EndOfData = 25;

} // namespace

SimulatedModule::SimulatedModule(QByteArray eeprom, ModuleFaults faults)
    : m_eeprom(std::move(eeprom))
    , m_faults(faults)
{
}

SimulatedModule::Reply SimulatedModule::receive(char byte)
{
    m_received.append(byte);
    if (m_faults.silent || m_state == State::Closed)
        return {};
    if (m_state == State::Receiving)
        return takeWritten(byte);
    // The attention byte starts over from anywhere but the middle of a write,
    // where it is image data.
    if (byte == Attention)
        return setupStep(1, State::AwaitingRequest, Event::Attention);

    switch (m_state) {
    case State::AwaitingRequest:
        if (byte == ReadRequest)
            return setupStep(2, State::AwaitingReadStart);
        if (byte == WriteRequest)
            return setupStep(2, State::AwaitingWriteStart);
        break;
    case State::AwaitingReadStart:
        if (byte == StartOfData)
            return setupStep(3, State::Sending);
        break;
    case State::AwaitingWriteStart:
        if (byte == StartOfData)
            return setupStep(3, State::Receiving);
        break;
    case State::Sending:
        if (byte == Ack)
            return sendNext();
        break;
    default:
        break;
    }
    return {};
}

void SimulatedModule::abandon()
{
    if (m_state != State::Closed)
        m_state = State::Idle;
    m_written.clear();
}

SimulatedModule::Reply SimulatedModule::setupStep(int step, State next, Event event)
{
    if (m_faults.noAckAtSetupStep == step)
        return {};
    m_state = next;
    m_sent = 0;
    m_written.clear();
    return {QByteArray(1, Ack), event};
}

SimulatedModule::Reply SimulatedModule::sendNext()
{
    const int position = ++m_sent;
    if (position == m_faults.lineClosedAt)
        return closeLine();
    if (position > m_eeprom.size()) {
        m_state = State::Idle;
        return dataReply(position, EndOfData, Event::ReadDone);
    }
    const char byte = position == m_faults.endOfDataAt ? EndOfData : m_eeprom.at(position - 1);
    return dataReply(position, byte);
}

SimulatedModule::Reply SimulatedModule::takeWritten(char byte)
{
    m_written.append(byte);
    const int position = int(m_written.size());
    if (position == m_faults.lineClosedAt)
        return closeLine();
    if (position < m_eeprom.size())
        return dataReply(position, Ack);
    m_eeprom = std::exchange(m_written, QByteArray());
    m_state = State::Idle;
    return dataReply(position, m_faults.lastAnsweredSix ? Ack : EndOfData, Event::WriteDone);
}

SimulatedModule::Reply SimulatedModule::dataReply(int position, char byte, Event event) const
{
    const int copies = position == m_faults.duplicateAt ? 2 : 1;
    return {QByteArray(copies, byte), event};
}

SimulatedModule::Reply SimulatedModule::closeLine()
{
    m_state = State::Closed;
    m_written.clear();
    return {{}, Event::LineClosed};
}
