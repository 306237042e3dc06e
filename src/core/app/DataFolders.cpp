#include "core/app/DataFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void DataFolders::create(const QString &appDir)
{
    QDir dir(appDir);
    dir.mkpath(QStringLiteral("Music"));
    if (dir.mkpath(QStringLiteral("Saved")))
        dir.mkpath(QStringLiteral("Temp"));
}

QString DataFolders::readingsDir(const QString &appDir)
{
    const QString saved = appDir + QStringLiteral("/Saved");
    return QFileInfo(saved).isDir() ? saved + QLatin1Char('/') : appDir;
}

QStringList DataFolders::spreadNames(const QString &appDir)
{
    const QDir spreads(appDir + QStringLiteral("/Spreads"));
    QStringList names;
    const QStringList files =
        spreads.entryList({QStringLiteral("*.spread")}, QDir::Files | QDir::Hidden, QDir::Unsorted);
    for (const QString &file : files)
        names.append(file.chopped(7)); // ".spread"
    return names;
}

bool DataFolders::hasExtraCard(const QString &appDir, const QString &deckName)
{
    return QFileInfo::exists(appDir + QStringLiteral("/Pics/") + deckName +
                             QStringLiteral("/78.jpg"));
}

bool DataFolders::deckExists(const QString &appDir, const QString &deckName)
{
    return !deckName.isEmpty() && QFileInfo(appDir + QStringLiteral("/Pics/") + deckName).isDir();
}

QStringList DataFolders::bundledDecks()
{
    return {QStringLiteral("Ardenvale"), QStringLiteral("Veldmere")};
}

void DataFolders::emptyTemp(const QString &appDir)
{
    const QDir temp(appDir + QStringLiteral("/Temp"));
    const QStringList files = temp.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &file : files)
        QFile::remove(temp.filePath(file));
}
