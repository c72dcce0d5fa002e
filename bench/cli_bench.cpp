// SPDX-License-Identifier: MIT
// Times the command-line tool as whole processes, start-up and exit included:
// `vrk04 read` and `vrk04 write --no-verify` of a 2048-byte image through the
// module simulator at 19200 bit/s, against the line limit. Usage: cli-bench [runs]
#include "SimulatorProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int Baud = 19200;
constexpr int ImageSize = 2048;
// Each byte and its answer cross the line in turn, one byte time each.
constexpr double LineLimitSeconds = ImageSize * 2 * (10.0 / Baud);

// Seconds from start to exit of one vrk04 run; negative when it fails.
double timeOf(const QStringList &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(VRK04_CLI_PATH), arguments);
    if (!process.waitForFinished(300000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        std::fprintf(stderr, "%s", process.readAllStandardError().constData());
        return -1;
    }
    return clock.nsecsElapsed() / 1e9;
}

bool measure(const char *what, const QStringList &arguments, const QString &folder, int runs)
{
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        const double seconds = timeOf(arguments, folder);
        if (seconds < 0) {
            std::printf("%-24s FAILED\n", what);
            return false;
        }
        times << seconds;
    }
    std::sort(times.begin(), times.end());
    const double median = times.at(times.size() / 2);
    std::printf("%-24s median of %d: %6.3f s = %.3f x line limit %.3f s (fastest %.3f s, slowest %.3f s)\n",
                what, runs, median, median / LineLimitSeconds, LineLimitSeconds, times.first(), times.last());
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int runs = arguments.size() > 1 ? qMax(1, arguments.at(1).toInt()) : 3;

    QTemporaryDir folder;
    SimulatorProcess sim;
    if (!sim.start({QStringLiteral("--baud"), QString::number(Baud), QStringLiteral("--save"),
                    folder.filePath(QStringLiteral("written.bin"))})) {
        std::fprintf(stderr, "cli-bench: the simulator did not start\n");
        return 1;
    }
    std::printf("vrk04 as a whole process, 2048-byte image through vrk04-sim at %d bit/s\n", Baud);
    const QString device = sim.devicePath();
    const bool read = measure("vrk04 read", {"read", "--port", device, "image.bin"}, folder.path(), runs);
    const bool write = read && measure("vrk04 write --no-verify", {"write", "--no-verify", "--port", device, "image.bin"},
                                       folder.path(), runs);
    return read && write ? 0 : 1;
}
