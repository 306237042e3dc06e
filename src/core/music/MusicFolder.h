#pragma once

#include <QString>
#include <QStringList>

// The pieces of a music folder that the in-order and random modes choose
// from.
namespace MusicFolder {

// Full paths of the plain files in `dir`, sorted by name without regard to
// letter case. Sub-folders are not entered and playlists (names ending in
// "m3u" in any case) are left out: the player cannot play them.
QStringList candidates(const QString &dir);

// The index of `path` in `candidates`, compared exactly first and then
// without regard to letter case; -1 when it is not there.
int indexOf(const QStringList &candidates, const QString &path);

} // namespace MusicFolder
