#include "app/TerminationSignals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int Handled[] = {SIGTERM, SIGINT, SIGHUP};

// The pipe's writing end, the only thing the handler touches.
volatile std::sig_atomic_t WriteEnd = -1;

void Forward(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a wake-up, so a byte that does not fit is not missed.
    [[maybe_unused]] const ssize_t written = ::write(WriteEnd, &byte, 1);
    errno = saved;
}

void SetHandler(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Handled)
        sigaction(signal, &action, nullptr);
}

}

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (::pipe2(Pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    WriteEnd = Pipe[1];
    Notifier = new QSocketNotifier(Pipe[0], QSocketNotifier::Read, this);
    connect(Notifier, &QSocketNotifier::activated, this, &TerminationSignals::Drain);
    SetHandler(Forward);
}

TerminationSignals::~TerminationSignals()
{
    if (!Notifier)
        return;
    SetHandler(SIG_DFL);
    WriteEnd = -1;
    ::close(Pipe[0]);
    ::close(Pipe[1]);
}

void TerminationSignals::Drain()
{
    char bytes[64];
    while (::read(Pipe[0], bytes, sizeof bytes) > 0) {
    }
    emit received();
}
