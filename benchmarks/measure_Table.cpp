// Runs to a state and quits, for measurements from outside (start-up time,
// peak resident size): "bare" quits after the first paint of a bare
// full-screen main window, "table" after the first paint of the table, and
// "reading" after laying a whole Year Ahead reading (13 cards, every one face
// up) on the table. When the launcher gives the time it started the program in
// QUILLMOOR_LAUNCHED_NS (nanoseconds since the epoch, as `date +%s%N`
// prints), "bare" and "table" print how many microseconds later the first
// paint was done.
#include "QuitAfterFirstPaint.h"
#include "SilentInteraction.h"
#include "core/cards/CardFaceCache.h"
#include "core/cards/FaceStore.h"
#include "core/table/ReadingSession.h"
#include "ui/app/ApplicationStyle.h"
#include "ui/app/FontPreload.h"
#include "ui/table/TableWindow.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

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
    for (int position = 0; position < session.spread().positionCount(); ++position)
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
    // The table starts as the program does: fonts loaded beside the rest,
    // its own style.
    std::optional<FontPreload> fonts;
    if (!bare)
        fonts.emplace();
    QApplication app(argc, argv);
    if (fonts) {
        fonts->applicationMade();
        ApplicationStyle::install();
    }
    if (bare) {
        QMainWindow window;
        window.setCentralWidget(new QWidget);
        // Given the screen's size before it is shown, as the table takes it:
        // without a window manager (under Xvfb) a full-screen request alone
        // leaves the window at the 200 by 100 it was made with.
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            window.setGeometry(screen->geometry());
        QuitAfterFirstPaint quit(window.centralWidget());
        window.showFullScreen();
        return app.exec();
    }
    QTemporaryDir settingsDir;
    QSettings settings(settingsDir.filePath(QStringLiteral("Doded.conf")), QSettings::IniFormat);
    // Only the reading changes a setting: the program writes none on its way
    // to the first paint, and a change here would be written (with a lock
    // file and two syncs) before the table's first paint.
    if (reading)
        settings.setValue(QStringLiteral("cutdeck"), QStringLiteral("no"));
    SilentInteraction interaction;
    // An empty face store, so that the reading decodes and stores every face
    // as on its first showing.
    FaceStore store(settingsDir.filePath(QStringLiteral("Faces")));
    CardFaceCache faces(QStringLiteral(QUILLMOOR_APP_DIR));
    faces.setStore(&store);
    TableWindow table(QStringLiteral(QUILLMOOR_APP_DIR), settings, interaction, faces);
    fonts->wait();
    if (!reading) {
        QuitAfterFirstPaint quit(table.centralWidget());
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
