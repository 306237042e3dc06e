#include "core/music/MusicPlaces.h"

#include <QDir>

namespace {
const QString AssociationFileName = QStringLiteral("Associat.txt");
} // namespace

QString MusicPlaces::musicFolder(const QString &appDir)
{
    return appDir + QStringLiteral("/Music");
}

QString MusicPlaces::defaultPiece(const QString &appDir)
{
    return musicFolder(appDir) + QStringLiteral("/Stormsinafrica.mid");
}

QString MusicPlaces::associationFile(const QString &appDir)
{
    // One file under any spelling: writing a second one beside an older
    // "associat.txt" would leave two that disagree.
    const QDir dir(appDir);
    const QStringList files = dir.entryList({}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : files) {
        if (name.compare(AssociationFileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return dir.filePath(AssociationFileName);
}
