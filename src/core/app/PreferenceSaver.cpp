#include "core/app/PreferenceSaver.h"

#include "core/app/SettingsStore.h"

#include <QSettings>

PreferenceSaver::PreferenceSaver(QSettings &settings, const Preferences &preferences,
                                 QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_preferences(preferences)
{
    connect(&m_preferences, &Preferences::changed, this, &PreferenceSaver::save);
}

bool PreferenceSaver::saveAll()
{
    const bool written = SettingsStore::write(m_settings, m_preferences);
    checked(written);
    return written;
}

QString PreferenceSaver::fileName() const
{
    return m_settings.fileName();
}

void PreferenceSaver::save(Preferences::Setting setting)
{
    checked(SettingsStore::write(m_settings, m_preferences, setting));
}

void PreferenceSaver::checked(bool written)
{
    if (written || m_failureReported)
        return;
    m_failureReported = true;
    emit writeFailed();
}
