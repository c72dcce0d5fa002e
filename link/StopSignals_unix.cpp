// SPDX-License-Identifier: MIT
// StopSignals on Unix: sigaction handlers that write the signal's number into
// a socket pair, read back on the event loop through a QSocketNotifier.
#include "StopSignals.h"

#ifdef Q_OS_UNIX

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Every signal whose default would end the process silently mid-transfer.
constexpr std::array Handled = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2};

int writeEnd = -1;

extern "C" void onSignal(int number)
{
    const int saved = errno;
    const char byte = char(number);
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = saved;
}

} // namespace

struct StopSignals::Platform
{
    int pair[2] = {-1, -1};
    QSocketNotifier *notifier = nullptr;
    std::array<struct sigaction, Handled.size()> previous{};
};

StopSignals::StopSignals(QObject *parent)
    : QObject(parent)
    , m_platform(new Platform)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, m_platform->pair) != 0)
        return;
    // A flood of signals must never block the handler.
    ::fcntl(m_platform->pair[0], F_SETFL, ::fcntl(m_platform->pair[0], F_GETFL) | O_NONBLOCK);
    writeEnd = m_platform->pair[0];
    m_platform->notifier = new QSocketNotifier(m_platform->pair[1], QSocketNotifier::Read, this);
    connect(m_platform->notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        if (::read(m_platform->pair[1], &byte, 1) == 1)
            emit requested(int(byte));
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Handled.size(); ++i)
        ::sigaction(Handled[i], &action, &m_platform->previous[i]);
}

void StopSignals::ignoreBrokenPipe()
{
    ::signal(SIGPIPE, SIG_IGN);
}

StopSignals::~StopSignals()
{
    if (m_platform->notifier) {
        for (std::size_t i = 0; i < Handled.size(); ++i)
            ::sigaction(Handled[i], &m_platform->previous[i], nullptr);
        delete m_platform->notifier;
        writeEnd = -1;
        ::close(m_platform->pair[0]);
        ::close(m_platform->pair[1]);
    }
    delete m_platform;
}

#endif
