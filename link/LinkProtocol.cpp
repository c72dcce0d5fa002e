// SPDX-License-Identifier: MIT
#include "LinkProtocol.h"

#include "Comm.h"
#include "ConfigImage.h"
#include "ImageDiff.h"
#include "LinkText.h"
#include "LinkTimer.h"

namespace {

using ConfigImageLayout::ImageSize;

// Bytes on the line.
constexpr char Attention = 3;
constexpr char ReadRequest = 12;
constexpr char WriteRequest = 11;
constexpr char StartOfData = 2;
constexpr char Ack = LinkTimer::AcknowledgementByte;
constexpr char EndOfData = 25;

// LinkState values; any other value counts as idle.
constexpr qint16 Idle = 0;
constexpr qint16 AttentionSent = 25;
constexpr qint16 RequestSent = 35;
constexpr qint16 StartSent = 45;
constexpr qint16 DataPhase = 50;

// TransferMode values.
constexpr qint16 ReadMode = 1;
constexpr qint16 WriteMode = 2;
constexpr qint16 TestMode = 3;

// Timer intervals in milliseconds and the data-phase limit in steps.
constexpr int ReadSetupIntervalMs = 5;
constexpr int WriteSetupIntervalMs = 10;
constexpr int DataIntervalMs = 1;
constexpr int TestIntervalMs = 500;
constexpr qint16 IdleStepLimit = 5000;

// How much longer a tick may wait for the module's first byte after the
// interval, when nothing is waiting yet; it runs the moment a byte arrives.
// Set-up: the acknowledgement must be there at the first tick, and a
// USB-serial adapter holds bytes back for its latency timer (16 ms by default,
// more on some adapters) on top of a busy machine's delays; a dead module is
// still reported within a quarter of a second.
constexpr int SetupGraceMs = 200;
// Data phase: at 19200 bit/s a byte and its answer take 1.04 ms, so the
// answer usually lands just after the 1 ms tick and is taken at once. An empty
// step costs at most 1 + 4 ms, so a module that falls silent fails the data
// phase after 5000 empty steps within about 25 s.
constexpr int DataGraceMs = 4;
// The test already waits 500 ms, thirty times the usual adapter latency.
constexpr int TestGraceMs = 0;

using Status = LinkText::Status;

} // namespace

LinkProtocol::LinkProtocol(Comm &comm, LinkTimer &timer, QObject *parent)
    : QObject(parent)
    , m_comm(comm)
    , m_timer(timer)
{
}

bool LinkProtocol::isBusy() const
{
    switch (m_linkState) {
    case AttentionSent:
    case RequestSent:
    case StartSent:
    case DataPhase:
        return true;
    default:
        return false;
    }
}

void LinkProtocol::testLink()
{
    if (transferUnderWay())
        interruptTransfer();
    TestStep();
}

bool LinkProtocol::transferUnderWay() const
{
    return (m_transferMode == ReadMode || m_transferMode == WriteMode) && isBusy();
}

// A transfer button: the bar back to 0 and the start line, unless a transfer
// is under way. A second transfer press would restart or redirect that one in
// the middle of its stream; it is refused instead, with one line in the log.
bool LinkProtocol::startTransfer(LinkText::Status start, int total)
{
    if (transferUnderWay()) {
        log(Status::AlreadyRunning);
        return false;
    }
    m_total = total;
    m_failure = Failure::None;
    setPosition(0);
    log(start);
    return true;
}

// TEST takes over a running transfer: the user learns that the module may now
// hold or the table show only part of an image.
void LinkProtocol::interruptTransfer()
{
    const Operation operation = runningOperation();
    log(operation == Operation::Write    ? Status::WriteInterrupted
        : operation == Operation::Verify ? Status::VerifyInterrupted
        : operation == Operation::Read   ? Status::ReadInterrupted
                                         : Status::TestInterrupted);
    // The module keeps waiting for the rest of the image and would store the
    // next operation's bytes as that rest.
    if (operation == Operation::Write)
        log(Status::ModuleAwaitsRest);
    emit operationEnded(operation, Outcome::Interrupted);
}

void LinkProtocol::abandon()
{
    if (!isBusy())
        return;
    m_timer.disarm();
    m_linkState = Idle;
    interruptTransfer();
}

int LinkProtocol::writtenBytes() const
{
    return m_transferMode == WriteMode && m_linkState == DataPhase ? m_position : 0;
}

void LinkProtocol::readFromModule()
{
    if (!startTransfer(Status::ReadStart, ImageSize))
        return;
    m_verifying = false;
    // A read pressed while TEST waits goes on from TEST's state without the
    // start step that empties the buffer.
    m_imageBuffer.clear();
    ReadStep();
}

void LinkProtocol::verifyModule(const QByteArray &expected)
{
    if (!startTransfer(Status::VerifyStart, ImageSize))
        return;
    m_verifying = true;
    m_imageBuffer.clear();
    m_expected = expected;
    ReadStep();
}

void LinkProtocol::refuseWrite(const QString &problem)
{
    if (!startTransfer(Status::WriteStart, ImageSize + 1))
        return;
    // A table the module cannot hold is never sent, not even in part.
    if (!problem.isEmpty())
        log(problem);
    log(Status::WriteFailure);
    m_failure = Failure::TableRefused;
    m_linkState = Idle;
    endOperation(Operation::Write, Outcome::Failed);
}

void LinkProtocol::writeImage(const QByteArray &image)
{
    if (!startTransfer(Status::WriteStart, int(qMin<qsizetype>(image.size() + 1, LongestTransfer))))
        return;
    m_imageBuffer = image;
    WriteStep();
}

void LinkProtocol::TimerTick()
{
    m_timer.disarm();
    if (m_transferMode == ReadMode)
        ReadStep();
    if (m_transferMode == WriteMode)
        WriteStep();
    if (m_transferMode == TestMode)
        TestStep();
}

void LinkProtocol::SendByte()
{
    if (m_txByte < 0 || m_txByte > 255)
        return;
    // A closed port drops the byte; the next step notices the silence.
    m_comm.Output(QByteArray(1, char(m_txByte)));
}

void LinkProtocol::TestStep()
{
    runStep(TestMode, [this] { return testTransition(); }, Status::TestError);
}

void LinkProtocol::ReadStep()
{
    runStep(ReadMode, [this] { return readTransition(); }, Status::ReadFailure);
}

void LinkProtocol::WriteStep()
{
    runStep(WriteMode, [this] { return writeTransition(); }, Status::WriteFailure);
}

// Every error inside a step, reported or thrown, ends the operation with the
// step's failure message.
template<typename Transition>
void LinkProtocol::runStep(qint16 mode, Transition transition, LinkText::Status failure)
{
    m_transferMode = mode;
    Step step = Step::Failed;
    try {
        step = transition();
    } catch (...) {
        step = Step::Failed;
    }
    if (step == Step::Continue)
        return;
    if (step == Step::Differs)
        m_failure = Failure::Differs;
    // The cable worked: between "Prenos OK" and the failure the user is told
    // that the module itself holds no configuration.
    if (step == Step::NotConfiguration) {
        const bool erased = !m_lastReadImage.isEmpty()
                            && m_lastReadImage.count(ConfigImageLayout::FillByte) == m_lastReadImage.size();
        log(erased ? Status::ModuleErased : Status::NotConfiguration);
        m_failure = erased ? Failure::Erased : Failure::NotConfiguration;
    }
    // A verify that found a difference has said so already.
    if (step == Step::Failed || step == Step::NotConfiguration) {
        log(failure);
        if (step == Step::Failed)
            m_failure = m_linkState == DataPhase ? Failure::CutShort : Failure::NoAnswer;
        m_linkState = Idle;
    }
    endOperation(runningOperation(), step == Step::Done ? Outcome::Succeeded : Outcome::Failed);
}

LinkProtocol::Step LinkProtocol::testTransition()
{
    if (m_linkState != AttentionSent)
        return sendAttention(TestIntervalMs, TestGraceMs);
    if (!acknowledged())
        return Step::Failed;
    m_linkState = Idle;
    log(Status::TestOk);
    return Step::Done;
}

LinkProtocol::Step LinkProtocol::readTransition()
{
    switch (m_linkState) {
    case AttentionSent:
        return sendOnAck(ReadRequest, RequestSent, ReadSetupIntervalMs, SetupGraceMs);
    case RequestSent:
        return sendOnAck(StartOfData, StartSent, ReadSetupIntervalMs, SetupGraceMs);
    case StartSent:
        return sendOnAck(Ack, DataPhase, DataIntervalMs, DataGraceMs);
    case DataPhase:
        return readData();
    default:
        m_idleTicks = 0;
        m_imageBuffer.clear();
        if (m_verifying) {
            m_verifiedImage.clear();
            m_verifyDifference = 0;
        } else {
            m_lastReadComplete = false;
            m_lastReadImage.clear();
        }
        return sendAttention(ReadSetupIntervalMs, SetupGraceMs);
    }
}

LinkProtocol::Step LinkProtocol::writeTransition()
{
    switch (m_linkState) {
    case AttentionSent:
        return sendOnAck(WriteRequest, RequestSent, WriteSetupIntervalMs, SetupGraceMs);
    case RequestSent:
        return sendOnAck(StartOfData, StartSent, WriteSetupIntervalMs, SetupGraceMs);
    case StartSent:
        if (!acknowledged() || !sendImageByte())
            return Step::Failed;
        m_linkState = DataPhase;
        m_timer.arm(DataIntervalMs, DataGraceMs, LinkTimer::Awaiting::AnyByte);
        return Step::Continue;
    case DataPhase:
        return writeData();
    default:
        m_idleTicks = 0;
        setPosition(1);
        return sendAttention(WriteSetupIntervalMs, SetupGraceMs);
    }
}

LinkProtocol::Step LinkProtocol::readData()
{
    if (!takeInput() || m_rxBuffer.size() > 1)
        return Step::Failed;
    if (m_rxBuffer.isEmpty())
        return countIdleStep();
    m_idleTicks = 0;
    // The terminating 25 is counted too, and taken back on success.
    if (!setPosition(m_position + 1))
        return Step::Failed;
    if (m_rxBuffer.at(0) == EndOfData)
        return finishRead();
    m_imageBuffer.append(m_rxBuffer.at(0));
    return send(Ack, DataPhase, DataIntervalMs, DataGraceMs);
}

LinkProtocol::Step LinkProtocol::finishRead()
{
    if (m_verifying)
        return finishVerify();
    log(Status::TransferOk);
    setPosition(m_position - 1);
    m_linkState = Idle;
    m_lastReadComplete = true;
    m_lastReadImage = m_imageBuffer;
    return !m_imageCheck || m_imageCheck(m_imageBuffer) ? Step::Done : Step::NotConfiguration;
}

// The module's bytes go into a buffer of their own: the configuration stays
// as it is, whatever the module holds.
LinkProtocol::Step LinkProtocol::finishVerify()
{
    setPosition(m_position - 1);
    m_linkState = Idle;
    m_verifiedImage = m_imageBuffer;
    // A module that stops short failed to send its image: no comparison.
    if (m_verifiedImage.size() < ImageSize) {
        m_verifyDifference = 0;
        log(LinkText::earlyVerifyEnd(m_verifiedImage.size(), ImageSize));
        return Step::Failed;
    }
    m_verifyDifference = firstDifference(m_verifiedImage, m_expected);
    if (m_verifyDifference == 0) {
        log(Status::VerifyOk);
        return Step::Done;
    }
    log(LinkText::verifyDifference(m_verifiedImage, m_expected, m_verifyDifference));
    return Step::Differs;
}

LinkProtocol::Step LinkProtocol::writeData()
{
    if (!takeInput())
        return Step::Failed;
    if (m_rxBuffer.size() > 1) {
        log(Status::DuplicateReceipt);
        return Step::Failed;
    }
    if (m_rxBuffer.isEmpty())
        return countIdleStep();
    m_idleTicks = 0;
    if (!setPosition(m_position + 1))
        return Step::Failed;
    if (m_rxBuffer.at(0) == EndOfData) {
        // A module that ends the write before the last byte holds only part
        // of the image: a module still busy with an interrupted write takes
        // the next write's first bytes as the rest of the old one.
        const qsizetype answered = m_position - 1;
        if (answered != m_imageBuffer.size()) {
            log(LinkText::earlyEnd(answered, m_imageBuffer.size()));
            return Step::Failed;
        }
        log(Status::TransferOk);
        m_linkState = Idle;
        return Step::Done;
    }
    // Any other single character acknowledges the byte just sent.
    if (!sendImageByte())
        return Step::Failed;
    m_timer.arm(DataIntervalMs, DataGraceMs, LinkTimer::Awaiting::AnyByte);
    return Step::Continue;
}

bool LinkProtocol::takeInput()
{
    m_rxBuffer.clear();
    const std::optional<QByteArray> input = m_comm.Input();
    if (!input)
        return false;
    m_rxBuffer = *input;
    return true;
}

bool LinkProtocol::acknowledged()
{
    return takeInput() && m_rxBuffer.contains(Ack);
}

// A set-up state: the next byte goes out once the acknowledgement is in.
LinkProtocol::Step LinkProtocol::sendOnAck(char byte, qint16 nextState, int intervalMs, int graceMs)
{
    return acknowledged() ? send(byte, nextState, intervalMs, graceMs) : Step::Failed;
}

// Every exchange starts afresh: a late answer to an earlier step, still
// waiting in the port, would be taken as the first acknowledgement.
LinkProtocol::Step LinkProtocol::sendAttention(int intervalMs, int graceMs)
{
    m_comm.discardInput();
    return send(Attention, AttentionSent, intervalMs, graceMs);
}

LinkProtocol::Step LinkProtocol::send(char byte, qint16 nextState, int intervalMs, int graceMs)
{
    m_txByte = quint8(byte);
    SendByte();
    m_linkState = nextState;
    // In a set-up state only the acknowledgement ends the grace early.
    const bool setUp = nextState == AttentionSent || nextState == RequestSent || nextState == StartSent;
    m_timer.arm(intervalMs, graceMs, setUp ? LinkTimer::Awaiting::Acknowledgement : LinkTimer::Awaiting::AnyByte);
    return Step::Continue;
}

// Sends the byte at the 1-based position() of m_imageBuffer; false when that
// position lies outside the image.
bool LinkProtocol::sendImageByte()
{
    if (m_position < 1 || m_position > m_imageBuffer.size())
        return false;
    m_txByte = quint8(m_imageBuffer.at(m_position - 1));
    SendByte();
    return true;
}

LinkProtocol::Step LinkProtocol::countIdleStep()
{
    ++m_idleTicks;
    if (m_idleTicks >= IdleStepLimit)
        return Step::Failed;
    m_timer.arm(DataIntervalMs, DataGraceMs, LinkTimer::Awaiting::AnyByte);
    return Step::Continue;
}

bool LinkProtocol::setPosition(int position)
{
    if (position < 0 || position > LongestTransfer)
        return false;
    if (position != m_position) {
        m_position = position;
        emit progressChanged(m_position, m_total);
    }
    return true;
}

void LinkProtocol::log(const QString &message)
{
    emit logged(message);
}

void LinkProtocol::log(LinkText::Status status)
{
    log(LinkText::status(status));
}

// An operation that ended leaves the timer off, also when a button ran its
// last step while a tick of the operation it took over was still pending:
// that stale tick would otherwise start the operation again on its own.
void LinkProtocol::endOperation(Operation operation, Outcome outcome)
{
    m_timer.disarm();
    emit operationEnded(operation, outcome);
}

LinkProtocol::Operation LinkProtocol::runningOperation() const
{
    switch (m_transferMode) {
    case ReadMode:
        return m_verifying ? Operation::Verify : Operation::Read;
    case WriteMode:
        return Operation::Write;
    default:
        return Operation::Test;
    }
}
