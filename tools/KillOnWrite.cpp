// Developer tool of scripts/crash-safety, not delivered.
//   KillOnWrite <pid> <folder> <name prefix> <delay ms> <timeout s>
// Watches the folder and, at the first file written, created, renamed or
// deleted there whose name begins with the prefix (any case), waits the delay
// and kills the process with SIGKILL. Prints "watching" once the watch is in
// place, then the name of the file that set it off, or "nothing" when the
// timeout passed first (exit 3; the process is left alone).
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

constexpr uint32_t WatchedEvents = IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE;

// The name of the first matching event in the buffer, if any.
QString MatchingName(const char* buffer, ssize_t length, const QString& prefix)
{
    for (ssize_t offset = 0; offset < length;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
        const QString name = event->len > 0 ? QString::fromUtf8(event->name) : QString();
        if ((event->mask & WatchedEvents) && !name.isEmpty() && name.startsWith(prefix, Qt::CaseInsensitive))
            return name;
        offset += ssize_t(sizeof(inotify_event)) + event->len;
    }
    return {};
}

}

int main(int argc, char* argv[])
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: KillOnWrite <pid> <folder> <name prefix> <delay ms> <timeout s>\n");
        return 2;
    }
    const pid_t pid = static_cast<pid_t>(std::atol(argv[1]));
    const QString prefix = QString::fromUtf8(argv[3]);
    const double delayMs = std::atof(argv[4]);
    const qint64 timeoutMs = static_cast<qint64>(std::atof(argv[5]) * 1000);
    const int watch = inotify_init1(IN_CLOEXEC);
    if (pid <= 0 || watch < 0 || inotify_add_watch(watch, argv[2], WatchedEvents) < 0) {
        std::perror("KillOnWrite");
        return 2;
    }
    std::printf("watching\n");
    std::fflush(stdout);

    alignas(inotify_event) char buffer[16384];
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        pollfd ready{watch, POLLIN, 0};
        if (poll(&ready, 1, 50) <= 0)
            continue;
        const ssize_t length = read(watch, buffer, sizeof buffer);
        if (length <= 0)
            continue;
        const QString name = MatchingName(buffer, length, prefix);
        if (name.isEmpty())
            continue;
        QThread::usleep(static_cast<unsigned long>(delayMs * 1000));
        kill(pid, SIGKILL);
        std::printf("%s\n", qPrintable(name));
        return 0;
    }
    std::printf("nothing\n");
    return 3;
}
