// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// Faults the simulated module can play, each off when 0, false or empty. Set-up
// steps are 1: the attention 3, 2: the request, 3: the start of data. Data
// positions are 1-based: on a read, position p is the byte the module sends
// for the PC's p-th acknowledgement (the closing 25 is position size + 1); on
// a write, the p-th byte it receives.
struct ModuleFaults
{
    bool silent = false;           // answers nothing at all
    int noAckAtSetupStep = 0;      // that step goes unanswered
    int wrongAckAtSetupStep = 0;   // that step is answered with 21 (NAK) and not taken
    int lateAtSetupStep = 0;       // the first answer to that step comes lateMs late
    int lateMs = 0;
    QByteArray noiseAfterAttention; // sent at once on every attention byte, ahead of its ACK
    int duplicateAt = 0;           // that byte (read) or answer (write) goes out twice at once
    bool lastAnsweredSix = false;  // the last written byte is answered 6 instead of 25
    int endOfDataAt = 0;           // read: the byte at that position goes out as 25
    int earlyEndAt = 0;            // write: the byte at that position is answered 25 and ends the write
    int lineClosedAt = 0;          // the line drops instead of that byte or its answer
};

// The module's side of the link, without any I/O or timing: it takes the
// PC's bytes one at a time and says what it sends back. It holds the EEPROM
// image it reads out; a completed write replaces it.
class SimulatedModule
{
public:
    enum class Event { None, Attention, ReadDone, WriteDone, LineClosed };

    struct Reply
    {
        QByteArray bytes = {}; // sent back together, in one burst
        Event event = Event::None;
        int delayMs = 0;  // bytes go out this much later than the line would send them
        QByteArray noise = {}; // goes out at once, ahead of bytes and of any line latency
    };

    explicit SimulatedModule(QByteArray eeprom, ModuleFaults faults = {});

    Reply receive(char byte);

    // Back to waiting for the attention byte, as after a pause on the line;
    // a write in progress is dropped.
    void abandon();
    // Power: switched off, the module takes no byte and answers nothing; each
    // switch-on is another module, holding eeprom, waiting for the attention byte.
    void switchOff();
    void switchOn(QByteArray eeprom);
    bool poweredOn() const { return m_poweredOn; }
    bool idle() const { return m_state == State::Idle || m_state == State::Closed; }
    bool lineClosed() const { return m_state == State::Closed; }

    const QByteArray &eeprom() const { return m_eeprom; }
    // Every byte the PC has sent, in order.
    const QByteArray &received() const { return m_received; }
    // The bytes the last completed write stored.
    int lastWriteSize() const { return m_lastWriteSize; }

private:
    enum class State { Idle, AwaitingRequest, AwaitingReadStart, AwaitingWriteStart, Sending, Receiving, Closed };

    Reply setupStep(int step, State next, Event event = Event::None);
    Reply endWrite(int position, char answer);
    Reply sendNext();
    Reply takeWritten(char byte);
    Reply dataReply(int position, char byte, Event event = Event::None) const;
    Reply closeLine();

    QByteArray m_eeprom;
    ModuleFaults m_faults;
    State m_state = State::Idle;
    int m_sent = 0;
    QByteArray m_written;
    QByteArray m_received;
    int m_lastWriteSize = 0;
    bool m_lateAnswerSent = false;
    bool m_poweredOn = true;
};
