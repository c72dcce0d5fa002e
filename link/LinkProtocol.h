// SPDX-License-Identifier: MIT
#pragma once

#include "LinkText.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

class Comm;
class LinkTimer;

// The byte protocol with the module: the link test, reading the EEPROM image,
// writing an image to the module and verifying the module against an image.
// It moves bytes: a read ends by handing over the bytes it received
// (lastReadImage()), a write and a verify take the bytes to send or compare. Each operation is a chain of steps, one protocol
// transition per timer tick; nothing blocks and nothing throws. Every failure
// ends the operation with one line in the status log. Only the engine changes
// its state; the accessors below read it.
class LinkProtocol : public QObject
{
    Q_OBJECT

public:
    enum class Operation { Test, Read, Write, Verify };
    Q_ENUM(Operation)
    enum class Outcome { Succeeded, Failed, Interrupted };
    Q_ENUM(Outcome)
    // Why the last read, write or verify failed.
    enum class Failure {
        None,
        TableRefused,     // write: the table cannot be encoded; nothing was sent
        NoAnswer,         // the module did not answer the set-up; no image byte went either way
        CutShort,         // the data phase broke off: silence, a line error, an early end
        Erased,           // read: only fill bytes came
        NotConfiguration, // read: the bytes came but do not decode
        Differs,          // verify: the module holds another image
    };

    // The furthest position a transfer may reach: a 2048-byte image and the
    // end mark that follows it, and one byte more that a module has always
    // been allowed. Anything longer is not a configuration image, and the
    // transfer fails rather than take a runaway line's bytes without end.
    static constexpr int LongestTransfer = 2050;

    LinkProtocol(Comm &comm, LinkTimer &timer, QObject *parent = nullptr);

    // Tells whether a read's bytes hold a configuration: a read whose bytes
    // fail it ends as failed after "Prenos OK", with the bytes still handed
    // over. Without a check every complete read succeeds.
    using ImageCheck = std::function<bool(const QByteArray &image)>;
    void setImageCheck(ImageCheck check) { m_imageCheck = std::move(check); }

    // Which step the timer calls: 1 ReadStep, 2 WriteStep, 3 TestStep.
    qint16 TransferMode() const { return m_transferMode; }
    // 0 idle, 25 attention sent, 35 request sent, 45 start of data sent, 50 data.
    qint16 LinkState() const { return m_linkState; }
    // Everything taken from the port in the current step.
    const QByteArray &RxBuffer() const { return m_rxBuffer; }
    // Read: the image bytes received so far. Write: the image being sent.
    const QByteArray &ImageBuffer() const { return m_imageBuffer; }
    // Consecutive data-phase steps at which nothing had arrived.
    qint16 IdleTicks() const { return m_idleTicks; }

    // The transfer position: the bytes received so far on a read (the end
    // mark counted until it is taken back), the 1-based position of the byte
    // to send on a write. 0..LongestTransfer.
    int position() const { return m_position; }
    // Where the position ends when the transfer goes well: the image and its
    // end mark on a write; a 2048-byte image on a read, whose length the
    // module decides.
    int total() const { return m_total; }

    // An operation is under way: the link is out of its idle state.
    bool isBusy() const;
    // The operation that runs, or ran last.
    Operation runningOperation() const;

    // The last read received its bytes up to the end mark (whether or not
    // they decoded); lastReadImage() holds them.
    bool lastReadComplete() const { return m_lastReadComplete; }
    const QByteArray &lastReadImage() const { return m_lastReadImage; }
    // The module's bytes of the last verify and the first 1-based position
    // where they differ from the expected image (0: equal or not compared).
    const QByteArray &verifiedImage() const { return m_verifiedImage; }
    int verifyDifference() const { return m_verifyDifference; }
    // The image the last verify compared the module with.
    const QByteArray &expectedImage() const { return m_expected; }
    Failure lastFailure() const { return m_failure; }
    // The image bytes a write has sent so far.
    int writtenBytes() const;

    // Stops the running operation where it stands: no further byte goes out,
    // the timer is off, and it ends as Interrupted with one line in the log
    // (for a write, also what to do with the half-written module).
    void abandon();

    // The buttons. While a read, write or verify is under way (from its 3
    // until it ends) the transfer buttons leave it alone and log one line;
    // TEST takes it over after logging that it was interrupted.
    // "TEST"
    void testLink();
    // "PC <- VRK-04"
    void readFromModule();
    // Writes image as it is, starting with "Zápis START".
    void writeImage(const QByteArray &image);
    // A write whose table cannot be encoded: "Zápis START", the problem and
    // the write's failure line, and nothing on the line.
    void refuseWrite(const QString &problem);
    // Reads the module into a buffer of its own and compares it with expected.
    void verifyModule(const QByteArray &expected);

    // Timer1's tick: the step of the running operation.
    void TimerTick();

    void SendByte();
    void TestStep();
    void ReadStep();
    void WriteStep();

signals:
    void logged(const QString &message);
    // On every change of position(); a bar may redraw less often.
    void progressChanged(int position, int total);
    // After the last message of an operation, with the timer off.
    void operationEnded(LinkProtocol::Operation operation, LinkProtocol::Outcome outcome);

protected:
    // For rigs that start the engine from a chosen state.
    qint16 m_transferMode = 0;
    qint16 m_linkState = 0;
    qint16 m_txByte = 0;
    QByteArray m_rxBuffer;
    QByteArray m_imageBuffer;
    qint16 m_idleTicks = 0;

private:
    enum class Step { Continue, Done, Failed, Differs, NotConfiguration };

    template<typename Transition>
    void runStep(qint16 mode, Transition transition, LinkText::Status failure);

    Step testTransition();
    Step readTransition();
    Step writeTransition();
    Step readData();
    Step writeData();
    Step finishRead();
    Step finishVerify();

    bool takeInput();
    bool acknowledged();
    Step sendOnAck(char byte, qint16 nextState, int intervalMs, int graceMs);
    Step send(char byte, qint16 nextState, int intervalMs, int graceMs);
    Step sendAttention(int intervalMs, int graceMs);
    bool sendImageByte();
    Step countIdleStep();
    bool setPosition(int position);
    void log(const QString &message);
    void log(LinkText::Status status);
    void endOperation(Operation operation, Outcome outcome);
    bool transferUnderWay() const;
    bool startTransfer(LinkText::Status start, int total);
    void interruptTransfer();

    Comm &m_comm;
    LinkTimer &m_timer;
    ImageCheck m_imageCheck;
    int m_position = 0;
    int m_total = LongestTransfer;
    // The read under way stores into m_verifiedImage, not ConfigImage.
    bool m_verifying = false;
    QByteArray m_expected;
    QByteArray m_verifiedImage;
    int m_verifyDifference = 0;
    bool m_lastReadComplete = false;
    Failure m_failure = Failure::None;
    QByteArray m_lastReadImage;
};
