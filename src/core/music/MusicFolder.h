#pragma once

#include <QString>
#include <QStringList>

// The pieces of a music folder that the in-order and random modes choose
// from.
namespace MusicFolder {

// Full paths of the files in `dir` the player can play, known by their
// extension (.mid .midi .ogg .mp3 .wav .flac .opus in any letter case),
// sorted by name without regard to case. Sub-folders are not entered and
// hidden files are left out.
QStringList candidates(const QString &dir);

// The index of `path` in `candidates`, compared exactly first and then
// without regard to letter case; -1 when it is not there.
int indexOf(const QStringList &candidates, const QString &path);

} // namespace MusicFolder
