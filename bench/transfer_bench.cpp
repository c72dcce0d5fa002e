// Times a full read and a full write of a 2048-byte image through the module
// simulator, with the program's own SerialComm, GraceTimer and LinkProtocol in
// a Qt event loop. Usage: transfer-bench [runs [latency-runs]]
#include "Configuration.h"
#include "GraceTimer.h"
#include "LinkProtocol.h"
#include "SerialComm.h"
#include "SimulatorProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int Baud = 19200;
constexpr int ImageSize = 2048;
constexpr double ByteTimeMs = 10.0 * 1000 / Baud;
constexpr int OperationTimeoutMs = 300000;

// The least a transfer can take: each byte and its answer cross the line in
// turn, each one byte time, and each answer comes latencyMs late.
double boundSeconds(double latencyMs)
{
    return ImageSize * (2 * ByteTimeMs + latencyMs) / 1000;
}

struct Rig
{
    SerialComm comm;
    QTimer Timer1;
    GraceTimer timer{Timer1, comm.serialPort()};
    Configuration config;
    LinkProtocol link{comm, timer, config};
    QStringList log;
    QEventLoop loop;

    Rig()
    {
        timer.tick = [this] { link.TimerTick(); };
        link.LogStatus = [this](const QString &message) { log << message; };
        link.OperationEnded = [this] { loop.quit(); };
        config.ResetTable();
    }

    // Seconds from the button to the end of the operation; negative on failure.
    template<typename Button>
    double time(Button button)
    {
        log.clear();
        QTimer::singleShot(OperationTimeoutMs, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        (link.*button)();
        loop.exec();
        const double seconds = clock.nsecsElapsed() / 1e9;
        return log.size() == 2 && log.last() == QStringLiteral("Prenos OK") ? seconds : -1;
    }
};

void report(const char *what, double latencyMs, double seconds)
{
    const double bound = boundSeconds(latencyMs);
    if (seconds < 0) {
        std::printf("%-6s latency %4.1f ms: FAILED\n", what, latencyMs);
    } else {
        std::printf("%-6s latency %4.1f ms: %7.3f s = %.3f x %s %.3f s\n", what, latencyMs, seconds,
                    seconds / bound, latencyMs > 0 ? "latency bound" : "line limit", bound);
    }
    std::fflush(stdout);
}

bool runScenario(double latencyMs, int runs)
{
    SimulatorProcess sim(QString::fromUtf8(VRK04_SIM_PATH));
    if (!sim.start({QStringLiteral("--baud"), QString::number(Baud), QStringLiteral("--latency"),
                    QString::number(latencyMs)})) {
        std::fprintf(stderr, "transfer-bench: the simulator did not start\n");
        return false;
    }
    Rig rig;
    qputenv("VRK04_COM1", QFile::encodeName(sim.devicePath()));
    rig.comm.setCommPort(1);
    if (!rig.comm.setPortOpen(true)) {
        std::fprintf(stderr, "transfer-bench: %s\n", qPrintable(rig.comm.failureReason()));
        return false;
    }
    bool ok = true;
    for (int run = 0; run < runs; ++run) {
        const double read = rig.time(&LinkProtocol::readFromModule);
        report("read", latencyMs, read);
        const double write = rig.time(&LinkProtocol::writeToModule);
        report("write", latencyMs, write);
        ok = ok && read >= 0 && write >= 0;
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    // Qt's own Unix event dispatcher: the GLib one rounds timer waits up to
    // whole milliseconds.
    qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int runs = arguments.size() > 1 ? arguments.at(1).toInt() : 3;
    const int latencyRuns = arguments.size() > 2 ? arguments.at(2).toInt() : 1;

    std::printf("2048-byte image through vrk04-sim at %d bit/s\n", Baud);
    const bool paced = runScenario(0, runs);
    const bool late = runScenario(16, latencyRuns);
    return paced && late ? 0 : 1;
}
