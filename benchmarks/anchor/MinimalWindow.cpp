// The start-up anchor: what any Qt program that shows text pays before its
// first paint. A full-screen main window with six menus and one line of
// text, linking Qt Widgets alone. Like measure_Table, it quits after its
// first paint, saying when that was.
#include "QuitAfterFirstPaint.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

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
