#pragma once

#include "core/app/Preferences.h"
#include "core/data/DataRoots.h"

#include <QVariantMap>

class QSettings;
class QSize;
class QString;

// Reads the user's preferences at start-up and writes them back.
// Flags are stored as words ("yes"/"no"), numbers as integers; a missing or
// unreadable value gives its default. One table lists every key with its
// setting and form, and drives both directions.
namespace SettingsStore {

// Organisation and application under which the preferences are kept.
inline constexpr char Organization[] = "Orvandel";
inline constexpr char Application[] = "Doded";

// `roots` are the data roots, where the music fallbacks lie. Window
// and picture sizes are fitted to `screen`, the screen's available size: a
// size larger than the screen shrinks to it, one too small to show anything
// gives the default. Numbers outside their range give their defaults.
void read(QSettings &settings, const DataRoots &roots, const QSize &screen,
          Preferences &preferences);
// Every key with its value as write() stores it.
QVariantMap values(const Preferences &preferences);
// The key `setting` is stored under; empty for a setting kept only while the
// program runs.
QString key(Preferences::Setting setting);
// Stores every key and writes the file; false when it could not be written.
bool write(QSettings &settings, const Preferences &preferences);
// Stores the key of `setting` alone, merged with what the file holds now,
// so that another running copy's changes to other keys stay; false when the
// file could not be written.
bool write(QSettings &settings, const Preferences &preferences, Preferences::Setting setting);

} // namespace SettingsStore
