#include "core/music/MusicFolder.h"

#include <QDir>

#include <algorithm>

QStringList MusicFolder::candidates(const QString &dir)
{
    // Files only: devices, pipes and sockets would hang or fail the player.
    QStringList names = QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString &name) {
                                   return name.endsWith(QLatin1String("m3u"), Qt::CaseInsensitive);
                               }),
                names.end());
    // Names differing only in case keep a fixed order between them.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    QStringList paths;
    for (const QString &name : names)
        paths << QDir(dir).filePath(name);
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
