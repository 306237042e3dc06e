#include "core/app/SettingsStore.h"
#include "core/app/TerminationSignals.h"
#include "core/cards/CardFaceCache.h"
#include "core/util/Misc.h"
#include "ui/common/Interaction.h"
#include "ui/music/MediaMusicPlayer.h"
#include "ui/table/TableWindow.h"

#include <QApplication>
#include <QSettings>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Qt aborts when it cannot reach a display; say so plainly instead.
bool displayAvailable()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

QtMessageHandler qtMessageHandler = nullptr;

// Qt ends the process with abort(), and a core dump, when no platform plugin
// starts: DISPLAY names an X server that cannot be reached, or a Wayland
// display lacks its plugin. Say what is wrong and exit with 1 instead.
void reportDisplayFailure(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        qtMessageHandler(type, context, message);
        return;
    }
    std::fprintf(stderr,
                 "Quillmoor cannot open its window: the graphical display could not be reached "
                 "(DISPLAY=%s, WAYLAND_DISPLAY=%s).\nQt said: %s\n",
                 qgetenv("DISPLAY").constData(), qgetenv("WAYLAND_DISPLAY").constData(),
                 qPrintable(message));
    std::_Exit(1);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fprintf(stderr, "Quillmoor needs a graphical display, and none was found "
                             "(neither DISPLAY nor WAYLAND_DISPLAY is set).\n");
        return 1;
    }
    // MIDI plays through GStreamer's synthesiser; the other media backend
    // cannot play it. A backend the user chose is left alone.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    qtMessageHandler = qInstallMessageHandler(reportDisplayFailure);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtMessageHandler);
    QApplication::setApplicationName(QStringLiteral("Quillmoor"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLMOOR_VERSION));

    const QString appDir = Misc::folderOf(QApplication::applicationFilePath());
    QSettings settings{QLatin1String(SettingsStore::Organization),
                       QLatin1String(SettingsStore::Application)};
    DesktopInteraction interaction;
    CardFaceCache faces(appDir);
    TableWindow table(appDir, settings, interaction, faces);
    table.setMusicPlayer(std::make_unique<MediaMusicPlayer>());
    // Ended from outside (logout, kill, Ctrl+C): store the settings and
    // empty Temp as a close from the menu would, then leave.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &app, [&table] {
        table.endFromOutside();
        QApplication::exit(0);
    });
    table.showFullScreen();
    return app.exec();
}
