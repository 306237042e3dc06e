// Runs to a state and quits, for measurements from outside (wall time, peak
// resident size): "bare" quits at the first paint of a bare full-screen main
// window, "table" at the first paint of the table, and "reading" after laying
// a whole Year Ahead reading (13 cards, every one face up) on the table.
#include "SilentInteraction.h"
#include "core/cards/CardFaceCache.h"
#include "core/table/ReadingSession.h"
#include "ui/app/FontPreload.h"
#include "ui/table/TableWindow.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// Quits the application at the first paint of the widget it watches.
class QuitAtFirstPaint : public QObject
{
public:
    explicit QuitAtFirstPaint(QWidget *widget) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QApplication::quit);
        return false;
    }
};

bool isMode(const char *arg)
{
    for (const char *mode : {"bare", "table", "reading"}) {
        if (std::strcmp(arg, mode) == 0)
            return true;
    }
    return false;
}

void layYearAhead(ReadingSession &session)
{
    session.startReading(QStringLiteral("Year Ahead"));
    session.startShuffle();
    for (int frame = 0; frame < 20; ++frame)
        session.shuffleFrame();
    session.stopShuffle();
    session.cutAt(640);
    for (int slot = 0; slot < session.deckSize() && !session.isComplete(); ++slot) {
        const Card &card = session.cards()[slot];
        if (card.isPainted())
            session.drawAt(QPoint(card.x + 1, card.y + 1));
    }
    for (int position = 0; position < session.spread().positionCount; ++position)
        session.activatePosition(position);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2 || !isMode(argv[1])) {
        std::fprintf(stderr, "usage: measure_Table bare|table|reading\n");
        return 2;
    }
    const bool reading = std::strcmp(argv[1], "reading") == 0;
    const bool bare = std::strcmp(argv[1], "bare") == 0;
    // The table starts as the program does: fonts loaded beside the rest.
    std::optional<FontPreload> fonts;
    if (!bare)
        fonts.emplace();
    QApplication app(argc, argv);
    if (bare) {
        QMainWindow window;
        window.setCentralWidget(new QWidget);
        QuitAtFirstPaint quit(window.centralWidget());
        window.showFullScreen();
        return app.exec();
    }
    QTemporaryDir settingsDir;
    QSettings settings(settingsDir.filePath(QStringLiteral("Doded.conf")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("cutdeck"), QStringLiteral("no"));
    SilentInteraction interaction;
    CardFaceCache faces(QStringLiteral(QUILLMOOR_APP_DIR));
    TableWindow table(QStringLiteral(QUILLMOOR_APP_DIR), settings, interaction, faces);
    fonts->wait();
    if (!reading) {
        QuitAtFirstPaint quit(table.centralWidget());
        table.showFullScreen();
        return app.exec();
    }
    table.showFullScreen();
    QTimer::singleShot(0, &table, [&table] { layYearAhead(table.session()); });
    // Long enough for every picture to be shown.
    QTimer::singleShot(500, &app, &QApplication::quit);
    const int result = app.exec();
    if (!table.session().isComplete()) {
        std::fprintf(stderr, "The reading was not laid whole.\n");
        return 1;
    }
    return result;
}
