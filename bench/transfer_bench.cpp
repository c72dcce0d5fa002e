// SPDX-License-Identifier: MIT
// Times a full read and a full write of a 2048-byte image through the module
// simulator, with the program's own ModuleLink in a Qt event loop.
// Usage: transfer-bench [runs [latency-runs]]
#include "SerialLink.h"
#include "SimulatorProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

constexpr int Baud = ModuleLink::BaudRate;
constexpr int ImageSize = 2048;
constexpr int OperationTimeoutMs = 300000;

// The least a transfer can take: each byte and its answer cross the line in
// turn, each one byte time, and each answer comes latencyMs late.
double boundSeconds(double latencyMs)
{
    return ImageSize * (ModuleLink::ByteExchangeMs + latencyMs) / 1000;
}

// Seconds from the button to the end of the operation; negative on failure.
template<typename Button>
double timeOf(SerialLink &rig, Button button)
{
    rig.log.clear();
    QElapsedTimer clock;
    clock.start();
    (rig.session.*button)();
    if (!rig.waitForEnd(rig.ended + 1, OperationTimeoutMs))
        return -1;
    const double seconds = clock.nsecsElapsed() / 1e9;
    return rig.log.size() == 2 && rig.log.last() == QStringLiteral("Prenos OK") ? seconds : -1;
}

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
    SerialLink rig;
    if (!rig.open(sim.devicePath())) {
        std::fprintf(stderr, "transfer-bench: %s\n", qPrintable(rig.comm.failureReason()));
        return false;
    }
    bool ok = true;
    for (int run = 0; run < runs; ++run) {
        const double read = timeOf(rig, &Session::read);
        report("read", latencyMs, read);
        const double write = timeOf(rig, &Session::write);
        report("write", latencyMs, write);
        ok = ok && read >= 0 && write >= 0;
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int runs = arguments.size() > 1 ? arguments.at(1).toInt() : 3;
    const int latencyRuns = arguments.size() > 2 ? arguments.at(2).toInt() : 1;

    std::printf("2048-byte image through vrk04-sim at %d bit/s\n", Baud);
    const bool paced = runScenario(0, runs);
    const bool late = runScenario(16, latencyRuns);
    return paced && late ? 0 : 1;
}
