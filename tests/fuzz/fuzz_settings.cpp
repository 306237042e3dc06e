// The settings as the program reads them at start, from a settings file made
// of the input. Whatever the file holds, sizes stay within the screen and
// numbers within their ranges, and what is read is written back and read
// again the same.

#include "FuzzSupport.h"

#include "core/app/Preferences.h"
#include "core/app/SettingsStore.h"
#include "core/util/WholeFile.h"

#include <QSettings>

#include <QSize>
#include <memory>

namespace {

// Reads the preferences for a screen of `screen` (empty when the screen's
// size is unknown) and checks every size and number against its range.
std::unique_ptr<Preferences> readChecked(QSettings &settings, const QSize &screen)
{
    auto read = std::make_unique<Preferences>();
    const Preferences &preferences = *read;
    SettingsStore::read(settings, fuzzScratchFolder(), screen, *read);
    const Preferences defaults;
    const int width = screen.width() > 0 ? screen.width() : defaults.detailWidth();
    const int height = screen.height() > 0 ? screen.height() : defaults.detailHeight();
    FUZZ_CHECK(preferences.cardWidth() >= 1 && preferences.cardWidth() <= width);
    FUZZ_CHECK(preferences.cardHeight() >= 1 && preferences.cardHeight() <= height);
    FUZZ_CHECK(preferences.detailWidth() >= 1 && preferences.detailWidth() <= width);
    FUZZ_CHECK(preferences.detailHeight() >= 1 && preferences.detailHeight() <= height);
    FUZZ_CHECK(preferences.meaningPanelWidth() >= 1 &&
               preferences.meaningPanelWidth() <= preferences.detailWidth());
    FUZZ_CHECK(preferences.meaningPanelHeight() >= 1 &&
               preferences.meaningPanelHeight() <= preferences.detailHeight());
    FUZZ_CHECK(int(preferences.playMode()) >= 0 && int(preferences.playMode()) <= 2);
    FUZZ_CHECK(preferences.querentCard() >= -1 && preferences.querentCard() <= 78);
    return read;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzzScratchFolder() + QStringLiteral("/Doded.conf");
    if (!WholeFile::write(path, fuzzBytes(data, size)))
        return 0;
    QSettings settings(path, QSettings::IniFormat);
    readChecked(settings, QSize(0, 0));
    const QSize screen(1920, 1080);
    const std::unique_ptr<Preferences> preferences = readChecked(settings, screen);

    const QString copyPath = fuzzScratchFolder() + QStringLiteral("/Copy.conf");
    QFile::remove(copyPath);
    QSettings copy(copyPath, QSettings::IniFormat);
    SettingsStore::write(copy, *preferences);
    copy.sync();
    FUZZ_CHECK(SettingsStore::values(*readChecked(copy, screen)) ==
               SettingsStore::values(*preferences));
    return 0;
}
