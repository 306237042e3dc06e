// The start-up anchor: what any Qt program that shows text pays before its
// first paint. A full-screen main window with six menus and one line of
// text, linking Qt Widgets alone. Like measure_Table, it prints how many
// microseconds after QUILLMOOR_LAUNCHED_NS (nanoseconds since the epoch) its
// first paint was done, and quits.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

void printTimeSinceLaunch()
{
    bool given = false;
    const qint64 launched = qgetenv("QUILLMOOR_LAUNCHED_NS").toLongLong(&given);
    if (!given)
        return;
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    std::printf("%lld\n", static_cast<long long>((now.count() - launched) / 1000));
}

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

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char *title : {"File", "Edit", "View", "Tools", "Window", "Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    auto *text = new QLabel(QStringLiteral("Choose a spread to begin."));
    text->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(text);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->geometry());
    QuitAfterFirstPaint quit(text);
    window.showFullScreen();
    return app.exec();
}
