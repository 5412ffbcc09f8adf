#include "system/stop_signals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> stopSignals{SIGTERM, SIGHUP, SIGINT};

int pipeEnds[2] = {-1, -1};
struct sigaction previous[stopSignals.size()];

extern "C" void onStopSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already says that a signal came.
    [[maybe_unused]] const ssize_t n = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

} // namespace

StopSignals::StopSignals()
{
    if (::pipe2(pipeEnds, O_NONBLOCK | O_CLOEXEC) != 0) {
        pipeEnds[0] = pipeEnds[1] = -1;
        return;
    }
    struct sigaction action { };
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < stopSignals.size(); ++i) {
        ::sigaction(stopSignals[i], nullptr, &previous[i]);
        // Started to outlive its terminal (nohup) or in the background of a shell: the one who
        // started it chose to ignore these, and the program keeps that choice.
        if (stopSignals[i] != SIGTERM && previous[i].sa_handler == SIG_IGN)
            continue;
        ::sigaction(stopSignals[i], &action, nullptr);
    }
}

StopSignals::~StopSignals()
{
    if (pipeEnds[0] < 0)
        return;
    for (size_t i = 0; i < stopSignals.size(); ++i)
        ::sigaction(stopSignals[i], &previous[i], nullptr);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

int StopSignals::fd() const
{
    return pipeEnds[0];
}

bool StopSignals::take()
{
    if (pipeEnds[0] < 0)
        return false;
    bool came = false;
    char bytes[64];
    while (::read(pipeEnds[0], bytes, sizeof bytes) > 0)
        came = true;
    return came;
}
