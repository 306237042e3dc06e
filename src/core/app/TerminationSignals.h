#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal delivered by the event
// loop, so that a program ended from outside (logout, kill, Ctrl+C) can still
// store the user's settings and tidy up. One object at a time; while it
// lives, those signals no longer end the process by themselves, except that
// one ignored before (as under nohup) stays ignored. A program whose event
// loop is held up (a read that never returns) still ends, by SIGALRM, this
// many seconds after the first signal.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    static constexpr unsigned GraceSeconds = 2;

    explicit TerminationSignals(QObject *parent = nullptr);
    // Gives the signals the handling they had before and calls off the
    // grace period's alarm.
    ~TerminationSignals() override;

    // False when the handlers could not be installed.
    bool isActive() const { return m_notifier != nullptr; }

signals:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};
