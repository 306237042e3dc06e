#include "core/music/MusicFolder.h"

#include <QDir>

#include <algorithm>

namespace {

// What the media backend plays; anything else in a music folder (covers,
// notes, playlists) would only fail when its turn comes.
bool isPlayable(const QString &name)
{
    static const QStringList extensions = {
        QStringLiteral("mid"),  QStringLiteral("midi"), QStringLiteral("ogg"),
        QStringLiteral("mp3"),  QStringLiteral("wav"),  QStringLiteral("flac"),
        QStringLiteral("opus"),
    };
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    // A name that is all extension (".mid") is a hidden file, not a piece.
    return dot > 0 && extensions.contains(name.mid(dot + 1), Qt::CaseInsensitive);
}

} // namespace

QStringList MusicFolder::candidates(const QString &dir)
{
    // Files only: devices, pipes and sockets would hang or fail the player.
    // Hidden files belong to the desktop or to other programs.
    QStringList names = QDir(dir).entryList(QDir::Files, QDir::NoSort);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString &name) {
                                   return name.startsWith(QLatin1Char('.')) || !isPlayable(name);
                               }),
                names.end());
    // Names differing only in case keep a fixed order between them.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    // Joined by hand: QDir::filePath() takes a name starting with ':' for a
    // resource path and drops the folder.
    const QString folder = QDir(dir).path() + QLatin1Char('/');
    QStringList paths;
    for (const QString &name : names)
        paths << folder + name;
    return paths;
}

int MusicFolder::indexOf(const QStringList &candidates, const QString &path)
{
    const int exact = int(candidates.indexOf(path));
    if (exact >= 0)
        return exact;
    for (int i = 0; i < candidates.size(); ++i) {
        if (candidates.at(i).compare(path, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
