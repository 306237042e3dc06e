#pragma once

class QSettings;
struct TableState;

// Reads the user's preferences into the table's fields at start-up and writes
// them back at close. Flags are stored as words ("yes"/"no"), numbers as
// integers; a missing or unreadable value gives its default.
namespace SettingsStore {

// Organisation and application under which the preferences are kept.
inline constexpr char Organization[] = "Orvandel";
inline constexpr char Application[] = "Doded";

// Needs `state.AppDir` to resolve the music fallbacks.
void read(QSettings &settings, TableState &state);
void write(QSettings &settings, const TableState &state);

} // namespace SettingsStore
