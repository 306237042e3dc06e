#include "core/music/SpreadMusic.h"

#include "core/util/TextCodec.h"
#include "core/util/WholeFile.h"

#include <QDir>
#include <QRegularExpression>

QString SpreadMusic::readText(const QString &path, const QString &language)
{
    QByteArray bytes;
    if (!WholeFile::read(path, bytes, nullptr, LargestFile))
        return QString();
    return TextCodec::decode(bytes, language);
}

namespace {

// `text` without the zero-width no-break spaces (byte-order marks) it begins
// with. They are invisible, and reading a file drops the first of them, so
// names are matched without them.
QStringView withoutLeadingMarks(QStringView text)
{
    while (text.startsWith(QChar(0xFEFF)))
        text = text.mid(1);
    return text;
}

} // namespace

QString SpreadMusic::lookup(const QString &text, const QString &spreadName)
{
    const QStringView name = withoutLeadingMarks(spreadName);
    if (name.isEmpty())
        return QString();
    const QString head = name.toString() + QStringLiteral(" \"");
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (const QString &fileLine : lines) {
        const QStringView line = withoutLeadingMarks(fileLine);
        if (!line.startsWith(head, Qt::CaseInsensitive))
            continue;
        // The name ends at the line's last quote, so a quote inside a file
        // name does not cut it short.
        const qsizetype close = line.lastIndexOf(QLatin1Char('"'));
        if (close < head.size())
            return QString();
        return line.mid(head.size(), close - head.size()).toString();
    }
    return QString();
}

QString SpreadMusic::resolve(const QString &musicName, const QString &musicFolder)
{
    if (musicName.isEmpty())
        return QString();
    QString name = musicName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // Only a leading slash makes a name absolute: Qt would take one that
    // begins with a colon for a path into its resources.
    if (name.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(name);
    const QString folder = QDir::cleanPath(musicFolder) + QLatin1Char('/');
    const QString path = QDir::cleanPath(folder + name);
    // "..", however placed, must not lead a relative name out of the folder.
    return path.startsWith(folder) ? path : QString();
}

QString SpreadMusic::musicNameFor(const QString &path, const QString &musicFolder)
{
    const QString clean = QDir::cleanPath(path);
    const QString folder = QDir::cleanPath(musicFolder) + QLatin1Char('/');
    return clean.startsWith(folder) ? clean.mid(folder.size()) : clean;
}

QByteArray SpreadMusic::compose(const QList<Association> &associations)
{
    QString text;
    for (const Association &association : associations) {
        if (association.musicName.isEmpty())
            continue;
        text += association.spreadName + QStringLiteral(" \"") + association.musicName +
                QStringLiteral("\"\r\n");
    }
    return text.toUtf8();
}

bool SpreadMusic::write(const QString &path, const QList<Association> &associations,
                        QString *errorString)
{
    return WholeFile::write(path, compose(associations), errorString);
}
