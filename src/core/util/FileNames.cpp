#include "core/util/FileNames.h"

QString FileNames::folderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.left(slash);
}

QByteArray FileNames::dotsForSlashes(const QByteArray &text)
{
    QByteArray result(text);
    result.replace('/', '.');
    result.replace('\\', '.');
    return result;
}
