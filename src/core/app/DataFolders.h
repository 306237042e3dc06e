#pragma once

#include <QString>
#include <QStringList>

// The folders beside the program that hold its data, and the start-up and
// shutdown chores on them. None of these reports a failure: a folder that
// cannot be made or a file that cannot be deleted is simply left.
namespace DataFolders {

// Makes Music, then Saved and Temp (Temp only when Saved could be made).
void create(const QString &appDir);

// Where the reading open and save dialogs start: Saved when it exists.
QString readingsDir(const QString &appDir);

// Names of the spread files in Spreads, in the order the file system lists them.
QStringList spreadNames(const QString &appDir);

// Files in Spreads with the spread extension whose names are not valid
// UTF-8: they cannot be named to open them, so they are reported instead
// of listed. Each is shown with its undecodable bytes as \xNN.
QStringList unusableSpreadFiles(const QString &appDir);

// Whether the deck has the extra 79th card picture.
bool hasExtraCard(const QString &appDir, const QString &deckName);

// Whether Pics holds a folder named `deckName`.
bool deckExists(const QString &appDir, const QString &deckName);

// The decks the program ships, in the order a missing deck is replaced.
QStringList bundledDecks();

// Deletes the plain files in Temp; sub-folders are left alone.
void emptyTemp(const QString &appDir);

} // namespace DataFolders
