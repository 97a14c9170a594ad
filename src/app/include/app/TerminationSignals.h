#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (log-out, shutdown, kill, Ctrl+C, a closed
// terminal) brought into the event loop: the handler only writes a byte to a
// pipe whose reading end wakes the loop, and `received` is emitted there,
// where windows may be touched. While the object lives these signals no
// longer end the process by themselves; its destruction gives them back
// their default action. One object at a time per process. When the pipe
// cannot be made, the signals keep their default action.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

signals:
    // Once for each wake-up, however many signals came in between.
    void received();

private:
    void Drain();

    int Pipe[2] = {-1, -1};
    QSocketNotifier* Notifier = nullptr;
};
