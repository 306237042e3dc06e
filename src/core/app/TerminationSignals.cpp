#include "core/app/TerminationSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int Handled[] = {SIGTERM, SIGINT, SIGHUP};

// Written by the handler, read by the event loop: a handler may do nothing
// but write(2).
int pipeEnds[2] = {-1, -1};
// How each signal was handled before, given back at the end.
struct sigaction previous[std::size(Handled)];

// Whether the grace period runs; later signals must not push its end back.
volatile sig_atomic_t alarmSet = 0;

void onSignal(int signalNumber)
{
    const char byte = char(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    if (!alarmSet) {
        alarmSet = 1;
        ::alarm(TerminationSignals::GraceSeconds);
    }
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
    if (pipeEnds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, pipeEnds) != 0)
        return;
    for (const int end : pipeEnds)
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
    ::fcntl(pipeEnds[1], F_SETFL, O_NONBLOCK);
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < std::size(Handled); ++i) {
        ::sigaction(Handled[i], nullptr, &previous[i]);
        // A signal ignored on purpose (nohup) stays ignored.
        if (previous[i].sa_handler != SIG_IGN)
            ::sigaction(Handled[i], &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    for (size_t i = 0; i < std::size(Handled); ++i)
        ::sigaction(Handled[i], &previous[i], nullptr);
    if (alarmSet) {
        ::alarm(0);
        alarmSet = 0;
    }
    delete m_notifier;
    for (int &end : pipeEnds) {
        ::close(end);
        end = -1;
    }
}

void TerminationSignals::readPipe()
{
    char byte = 0;
    if (::read(pipeEnds[0], &byte, 1) == 1)
        emit received(int(byte));
}
