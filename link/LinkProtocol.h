#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class Comm;
class Configuration;
class LinkTimer;

// The byte protocol with the module: the link test, reading the EEPROM image
// into ConfigImage and writing ConfigImage to the module. Each operation is a
// chain of steps, one protocol transition per timer tick; nothing blocks and
// nothing throws. Every failure ends the operation with one line in the
// status log.
class LinkProtocol
{
public:
    LinkProtocol(Comm &comm, LinkTimer &timer, Configuration &config);

    // Which step the timer calls: 1 ReadStep, 2 WriteStep, 3 TestStep.
    qint16 TransferMode = 0;
    // 0 idle, 25 attention sent, 35 request sent, 45 start of data sent, 50 data.
    qint16 LinkState = 0;
    // The byte SendByte sends next, 0..255.
    qint16 TxByte = 0;
    // Everything taken from the port in the current step.
    QByteArray RxBuffer;
    // Read: the image bytes received so far. Write: the image being sent.
    QByteArray ImageBuffer;
    // Consecutive data-phase steps at which nothing had arrived.
    qint16 IdleTicks = 0;

    // The progress bar's value: the bytes received so far on a read, the
    // 1-based position of the byte to send on a write. 0..progressMaximum().
    double progress() const { return m_progress; }
    static int progressMaximum();

    std::function<void(const QString &)> LogStatus;
    // Called on every change of progress(); the bar may redraw less often.
    std::function<void()> ProgressChanged;
    // Called after the last message of an operation that ended, with the timer
    // off; an operation taken over by another button does not end this way.
    std::function<void()> OperationEnded;

    // The buttons. "TEST"
    void testLink();
    // "PC <- VRK-04"
    void readFromModule();
    // "PC -> VRK-04"
    void writeToModule();

    // Timer1's tick: the step of the running operation.
    void TimerTick();

    void SendByte();
    void TestStep();
    void ReadStep();
    void WriteStep();

private:
    enum class Outcome { Continue, Done, Failed };

    template<typename Transition>
    void runStep(qint16 mode, Transition transition, const QString &failureMessage);

    Outcome testTransition();
    Outcome readTransition();
    Outcome writeTransition();
    Outcome readData();
    Outcome writeData();
    Outcome finishRead();

    bool takeInput();
    bool acknowledged();
    Outcome sendOnAck(char byte, qint16 nextState, int intervalMs, int graceMs);
    Outcome send(char byte, qint16 nextState, int intervalMs, int graceMs);
    bool sendImageByte();
    Outcome countIdleStep();
    bool setProgress(double value);
    void log(const QString &message);
    void endOperation();

    Comm &m_comm;
    LinkTimer &m_timer;
    Configuration &m_config;
    double m_progress = 0;
};
