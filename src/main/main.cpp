#include "core/app/SettingsStore.h"
#include "core/cards/CardFaceCache.h"
#include "core/util/Misc.h"
#include "ui/common/Interaction.h"
#include "ui/table/TableWindow.h"

#include <QApplication>
#include <QSettings>

#include <cstdio>

namespace {

// Qt aborts when it cannot reach a display; say so plainly instead.
bool displayAvailable()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fprintf(stderr, "Quillmoor needs a graphical display, and none was found "
                             "(neither DISPLAY nor WAYLAND_DISPLAY is set).\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmoor"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLMOOR_VERSION));

    const QString appDir = Misc::folderOf(QApplication::applicationFilePath());
    QSettings settings(QLatin1String(SettingsStore::Organization),
                       QLatin1String(SettingsStore::Application));
    DesktopInteraction interaction;
    CardFaceCache faces(appDir);
    TableWindow table(appDir, settings, interaction, faces);
    table.showFullScreen();
    return app.exec();
}
