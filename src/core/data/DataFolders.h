#pragma once

#include "core/data/DataRoots.h"

#include <QString>
#include <QStringList>

// What the data folders hold: the spreads and decks on offer and where the
// reading dialogs start. Each looks in every data root, the user's first.
namespace DataFolders {

// Where the reading open and save dialogs start: Saved when it exists.
QString readingsDir(const DataRoots &roots);

// Names of the spread files in Spreads, the user's first, each in the order
// the file system lists them; a user's spread hides a bundled one of its name.
QStringList spreadNames(const DataRoots &roots);

// Files in Spreads with the spread extension whose names are not valid
// UTF-8: they cannot be named to open them, so they are reported instead
// of listed. Each is shown with its undecodable bytes as \xNN.
QStringList unusableSpreadFiles(const DataRoots &roots);

// Whether the deck has the extra 79th card picture.
bool hasExtraCard(const DataRoots &roots, const QString &deckName);

// Whether Pics holds a folder named `deckName`; a name that is no plain
// folder name (see DataRoots::isPlainName) names no deck.
bool deckExists(const DataRoots &roots, const QString &deckName);

// The decks the program ships, in the order a missing deck is replaced.
QStringList bundledDecks();

} // namespace DataFolders
