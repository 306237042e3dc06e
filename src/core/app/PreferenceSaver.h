#pragma once

#include "core/app/Preferences.h"

#include <QObject>

class QSettings;

// Keeps the settings file up to date: each preference is written as soon as
// it changes, and all of them when asked (at close). The first write that
// fails is reported, once per run.
class PreferenceSaver : public QObject
{
    Q_OBJECT

public:
    // Both must outlive the saver. Values set before the saver exists are
    // not written until saveAll().
    PreferenceSaver(QSettings &settings, const Preferences &preferences, QObject *parent = nullptr);

    // Writes every preference; false when the file could not be written.
    bool saveAll();
    // The file the preferences are written to.
    QString fileName() const;

signals:
    // The settings file could not be written; said once, at the first failure.
    void writeFailed();

private:
    void save(Preferences::Setting setting);
    void checked(bool written);

    QSettings &m_settings;
    const Preferences &m_preferences;
    bool m_failureReported = false;
};
