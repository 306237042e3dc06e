#include "core/util/FileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

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

QString FileNames::reachablePath(const QByteArray &raw, const QString &linkFolder)
{
    const QString decoded = QFile::decodeName(raw);
    if (QFile::encodeName(decoded) == raw)
        return decoded;
    const QByteArray target =
        raw.startsWith('/') ? raw : QFile::encodeName(QDir::currentPath()) + '/' + raw;
    const QString link = QDir(linkFolder).filePath(QFileInfo(decoded).fileName());
    QFile::remove(link);
    if (!QDir().mkpath(linkFolder) ||
        ::symlink(target.constData(), QFile::encodeName(link).constData()) != 0)
        return QString();
    return link;
}
