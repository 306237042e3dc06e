#include "core/cards/CardPicture.h"

#include <QImageReader>

QString CardPicture::path(const QString &appDir, const QString &deckName, int number)
{
    return appDir + QStringLiteral("/Pics/") + deckName + QLatin1Char('/') +
           QString::number(number) + QStringLiteral(".jpg");
}

QImage CardPicture::turned(const QImage &picture)
{
    return picture.mirrored(true, true);
}

QImage CardPicture::load(const QString &appDir, const QString &deckName, int number, bool reversed)
{
    QImageReader reader(path(appDir, deckName, number));
    const QImage picture = reader.read();
    if (picture.isNull())
        return {};
    return reversed ? turned(picture) : picture;
}
