#pragma once

// What the programs that scripts/bench starts share, in a header of Qt alone
// so that the minimal anchor program links nothing of Quillmoor: on quitting
// after its first paint, a program prints how many microseconds after
// QUILLMOOR_LAUNCHED_NS (nanoseconds since the epoch, as `date +%s%N` prints)
// that paint was done.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

inline void printTimeSinceLaunch()
{
    bool given = false;
    const qint64 launched = qgetenv("QUILLMOOR_LAUNCHED_NS").toLongLong(&given);
    if (!given)
        return;
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    std::printf("%lld\n", static_cast<long long>((now.count() - launched) / 1000));
}

// Quits the application once the first paint of the widget it watches is
// done: the paint and the flush to the screen come in one pass of the event
// loop, and a zero timer set in it runs after.
class QuitAfterFirstPaint : public QObject
{
public:
    explicit QuitAfterFirstPaint(QWidget *widget) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, qApp, [] {
                printTimeSinceLaunch();
                QApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_painted = false;
};
