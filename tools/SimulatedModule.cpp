// SPDX-License-Identifier: MIT
#include "SimulatedModule.h"

namespace {

constexpr char Attention = 3;
constexpr char ReadRequest = 12;
constexpr char WriteRequest = 11;
constexpr char StartOfData = 2;
constexpr char Ack = 6;
constexpr char Nak = 21;
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
    if (m_faults.silent || m_state == State::Closed || !m_poweredOn)
        return {};
    if (m_state == State::Receiving)
        return takeWritten(byte);
    // The attention byte starts over from anywhere but the middle of a write,
    // where it is image data.
    if (byte == Attention) {
        Reply reply = setupStep(1, State::AwaitingRequest, Event::Attention);
        reply.noise = m_faults.noiseAfterAttention;
        return reply;
    }

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

void SimulatedModule::switchOff()
{
    abandon();
    m_poweredOn = false;
}

void SimulatedModule::switchOn(QByteArray eeprom)
{
    m_eeprom = std::move(eeprom);
    m_poweredOn = true;
}

SimulatedModule::Reply SimulatedModule::setupStep(int step, State next, Event event)
{
    if (m_faults.noAckAtSetupStep == step)
        return {};
    if (m_faults.wrongAckAtSetupStep == step)
        return {.bytes = QByteArray(1, Nak), .event = event};
    m_state = next;
    m_sent = 0;
    m_written.clear();
    Reply reply{.bytes = QByteArray(1, Ack), .event = event};
    if (m_faults.lateAtSetupStep == step && !m_lateAnswerSent) {
        reply.delayMs = m_faults.lateMs;
        m_lateAnswerSent = true;
    }
    return reply;
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
    if (position == m_faults.earlyEndAt && position < m_eeprom.size()) {
        // Only the bytes taken are stored; the rest of the EEPROM stays as it was.
        m_written += m_eeprom.mid(position);
        return endWrite(position, EndOfData);
    }
    if (position < m_eeprom.size())
        return dataReply(position, Ack);
    return endWrite(position, m_faults.lastAnsweredSix ? Ack : EndOfData);
}

SimulatedModule::Reply SimulatedModule::endWrite(int position, char answer)
{
    m_eeprom = std::exchange(m_written, QByteArray());
    m_lastWriteSize = position;
    m_state = State::Idle;
    return dataReply(position, answer, Event::WriteDone);
}

SimulatedModule::Reply SimulatedModule::dataReply(int position, char byte, Event event) const
{
    const int copies = position == m_faults.duplicateAt ? 2 : 1;
    return {.bytes = QByteArray(copies, byte), .event = event};
}

SimulatedModule::Reply SimulatedModule::closeLine()
{
    m_state = State::Closed;
    m_written.clear();
    return {.event = Event::LineClosed};
}
