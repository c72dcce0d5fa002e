// SPDX-License-Identifier: MIT
// vrk04-sim: a VRK-04 module on a pseudo-terminal, for trying and testing the
// program without the hardware. Prints the device to open on its first line.
// SIGUSR1 switches the module off and on, each switch-on another module.
#include "ModuleImage.h"
#include "PacedLine.h"
#include "PseudoTerminal.h"
#include "SimulatedModule.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/prctl.h>
#endif

namespace {

volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t powerSwitches = 0;

void requestStop(int)
{
    stopRequested = 1;
}

void switchPower(int)
{
    powerSwitches = powerSwitches + 1;
}

// SIGTERM and SIGINT end the simulator, SIGUSR1 switches the module off or
// on; they are blocked except while it waits for the line, so that no signal
// slips in between check and wait.
void installSignalHandlers()
{
    struct sigaction action{};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    action.sa_handler = switchPower;
    sigaction(SIGUSR1, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGTERM);
    sigaddset(&blocked, SIGINT);
    sigaddset(&blocked, SIGUSR1);
    sigprocmask(SIG_BLOCK, &blocked, nullptr);
}

void say(const QString &line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

int fail(const QString &message)
{
    std::fputs(qPrintable(QStringLiteral("vrk04-sim: %1\n").arg(message)), stderr);
    return 2;
}

struct Options
{
    QByteArray image;
    QString saveTo;
    QString linkPath;
    QString logPath;
    LinePace pace;
    ModuleFaults faults;
};

int positive(const QCommandLineParser &parser, const QString &name, bool *ok)
{
    if (!parser.isSet(name))
        return 0;
    bool number = false;
    const int value = parser.value(name).toInt(&number);
    if (!number || value < 1)
        *ok = false;
    return value;
}

bool parse(const QStringList &arguments, Options &options, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulates a VRK-04 module on a pseudo-terminal and prints the device path on the first line.\n"
        "SIGUSR1 switches the module off, and the next one on again as another module\n"
        "(command 8 \"MODUL n\"), as a technician does between modules of a series."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("image"), QStringLiteral("EEPROM image to load; a written image is saved back to it."), QStringLiteral("file")},
        {QStringLiteral("save"), QStringLiteral("Save written images to this file instead."), QStringLiteral("file")},
        {QStringLiteral("link"), QStringLiteral("Make a symbolic link to the device at this path."), QStringLiteral("path")},
        {QStringLiteral("log"), QStringLiteral("Append every byte received from the PC to this file."), QStringLiteral("file")},
        {QStringLiteral("baud"), QStringLiteral("Line pace in bit/s, 10 bits a byte; 0 for none (default 19200)."), QStringLiteral("n"), QStringLiteral("19200")},
        {QStringLiteral("latency"), QStringLiteral("Added delay of every answer in ms (default 0)."), QStringLiteral("ms"), QStringLiteral("0")},
        {QStringLiteral("silent"), QStringLiteral("Fault: answer nothing.")},
        {QStringLiteral("no-ack-at"), QStringLiteral("Fault: no ACK at set-up step n (1 attention, 2 request, 3 start of data)."), QStringLiteral("n")},
        {QStringLiteral("wrong-ack-at"), QStringLiteral("Fault: answer set-up step n with 21 (NAK) instead of 6."), QStringLiteral("n")},
        {QStringLiteral("late-at"), QStringLiteral("Fault: the first ACK of set-up step n comes --late-ms late."), QStringLiteral("n")},
        {QStringLiteral("late-ms"), QStringLiteral("How late the ACK of --late-at comes, in ms (default 500)."), QStringLiteral("ms"), QStringLiteral("500")},
        {QStringLiteral("noise"), QStringLiteral("Fault: send these bytes (hex, such as 00F0) at once on every attention byte, ahead of its ACK and of --latency."), QStringLiteral("hex")},
        {QStringLiteral("duplicate-at"), QStringLiteral("Fault: send the byte or answer at data position n twice."), QStringLiteral("n")},
        {QStringLiteral("last-ack-6"), QStringLiteral("Fault: answer the last written byte with 6 instead of 25.")},
        {QStringLiteral("end-at"), QStringLiteral("Fault: send 25 in place of the image byte at position n."), QStringLiteral("n")},
        {QStringLiteral("early-end-at"), QStringLiteral("Fault: answer written byte n with 25, storing only bytes 1..n."), QStringLiteral("n")},
        {QStringLiteral("erased"), QStringLiteral("Fault: an erased module, every byte 0xFF.")},
        {QStringLiteral("size"), QStringLiteral("Fault: an image of n bytes."), QStringLiteral("n")},
        {QStringLiteral("close-at"), QStringLiteral("Fault: drop the line at data position n."), QStringLiteral("n")},
    });
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        say(parser.helpText());
        std::exit(0);
    }

    bool ok = true;
    bool number = false;
    options.pace.baud = parser.value(QStringLiteral("baud")).toInt(&number);
    ok = ok && number && options.pace.baud >= 0;
    options.pace.latencyMs = parser.value(QStringLiteral("latency")).toDouble(&number);
    ok = ok && number && options.pace.latencyMs >= 0;
    options.faults.silent = parser.isSet(QStringLiteral("silent"));
    options.faults.noAckAtSetupStep = positive(parser, QStringLiteral("no-ack-at"), &ok);
    options.faults.wrongAckAtSetupStep = positive(parser, QStringLiteral("wrong-ack-at"), &ok);
    options.faults.lateAtSetupStep = positive(parser, QStringLiteral("late-at"), &ok);
    options.faults.lateMs = parser.value(QStringLiteral("late-ms")).toInt(&number);
    ok = ok && number && options.faults.lateMs >= 0;
    const QString noise = parser.value(QStringLiteral("noise"));
    options.faults.noiseAfterAttention = QByteArray::fromHex(noise.toLatin1());
    ok = ok && options.faults.noiseAfterAttention.size() * 2 == noise.size();
    options.faults.duplicateAt = positive(parser, QStringLiteral("duplicate-at"), &ok);
    options.faults.lastAnsweredSix = parser.isSet(QStringLiteral("last-ack-6"));
    options.faults.endOfDataAt = positive(parser, QStringLiteral("end-at"), &ok);
    options.faults.earlyEndAt = positive(parser, QStringLiteral("early-end-at"), &ok);
    options.faults.lineClosedAt = positive(parser, QStringLiteral("close-at"), &ok);
    const int size = positive(parser, QStringLiteral("size"), &ok);
    const int lastSetupStep = 3;
    if (!ok || options.faults.noAckAtSetupStep > lastSetupStep || options.faults.wrongAckAtSetupStep > lastSetupStep
        || options.faults.lateAtSetupStep > lastSetupStep) {
        *error = QStringLiteral("invalid option value (see --help)");
        return false;
    }

    const QString imagePath = parser.value(QStringLiteral("image"));
    options.image = ModuleImage::defaultImage();
    if (!imagePath.isEmpty() && QFile::exists(imagePath)) {
        QFile file(imagePath);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("%1: %2").arg(imagePath, file.errorString());
            return false;
        }
        options.image = file.readAll();
    }
    if (parser.isSet(QStringLiteral("erased")))
        options.image = ModuleImage::erasedImage(int(options.image.size()));
    if (size > 0)
        options.image = ModuleImage::resized(options.image, size);
    options.saveTo = parser.isSet(QStringLiteral("save")) ? parser.value(QStringLiteral("save")) : imagePath;
    options.linkPath = parser.value(QStringLiteral("link"));
    options.logPath = parser.value(QStringLiteral("log"));
    return true;
}

bool save(const QString &path, const QByteArray &image)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(image) == image.size() && file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vrk04-sim"));
    Options options;
    QString error;
    if (!parse(QCoreApplication::arguments(), options, &error))
        return fail(error);

    installSignalHandlers();
#if defined(__linux__)
    // Wake up for the line's pace within microseconds, not the default 50 us slack.
    prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
#endif

    PseudoTerminal pty;
    if (!pty.open(&error))
        return fail(error);
    const QByteArray linkPath = QFile::encodeName(options.linkPath);
    if (!linkPath.isEmpty()) {
        ::unlink(linkPath.constData()); // a link left by an earlier run
        if (::symlink(QFile::encodeName(pty.devicePath()).constData(), linkPath.constData()) != 0)
            return fail(QStringLiteral("cannot link %1").arg(options.linkPath));
    }
    int logFd = -1;
    if (!options.logPath.isEmpty()) {
        logFd = ::open(QFile::encodeName(options.logPath).constData(),
                       O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (logFd < 0)
            return fail(QStringLiteral("cannot open %1").arg(options.logPath));
    }
    say(pty.devicePath());

    SimulatedModule module(options.image, options.faults);
    PacedLine line(pty, module, options.pace);
    line.onReceived = [logFd](char byte) {
        if (logFd >= 0 && ::write(logFd, &byte, 1) != 1)
            std::fputs("vrk04-sim: cannot write the log\n", stderr);
    };
    line.onEvent = [&](SimulatedModule::Event event) {
        switch (event) {
        case SimulatedModule::Event::Attention:
            say(QStringLiteral("attention"));
            break;
        case SimulatedModule::Event::ReadDone:
            say(QStringLiteral("read %1").arg(module.eeprom().size()));
            break;
        case SimulatedModule::Event::WriteDone:
            if (!options.saveTo.isEmpty() && !save(options.saveTo, module.eeprom()))
                fail(QStringLiteral("cannot save %1").arg(options.saveTo));
            say(QStringLiteral("write %1").arg(module.lastWriteSize()));
            break;
        case SimulatedModule::Event::LineClosed:
            pty.close();
            say(QStringLiteral("closed"));
            break;
        case SimulatedModule::Event::None:
            break;
        }
    };
    // Each switch-on is the next module of a series, numbered from 2.
    int switchesSeen = 0;
    int modules = 1;
    line.onWake = [&] {
        for (; switchesSeen != powerSwitches; ++switchesSeen) {
            if (module.poweredOn()) {
                module.switchOff();
                line.dropPending();
                say(QStringLiteral("off"));
            } else {
                module.switchOn(ModuleImage::numberedImage(++modules));
                say(QStringLiteral("on %1").arg(modules));
            }
        }
    };
    line.run(stopRequested);

    pty.close();
    if (logFd >= 0)
        ::close(logFd);
    if (!linkPath.isEmpty())
        ::unlink(linkPath.constData());
    return 0;
}
