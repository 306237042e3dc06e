#pragma once

#include <QString>

// Where the music lives: the folder of bundled and added pieces, the piece
// played when nothing else was chosen, and the file that gives spreads music
// of their own. Every path the music code needs comes from here.
namespace MusicPlaces {

QString musicFolder(const QString &appDir);
// The piece selected before the user chooses one.
QString defaultPiece(const QString &appDir);
// The spread-music association file. An existing one is found whatever the
// letter case of its name; a new one is named Associat.txt.
QString associationFile(const QString &appDir);

} // namespace MusicPlaces
