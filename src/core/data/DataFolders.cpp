#include "core/data/DataFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <dirent.h>

namespace {

// The length of the well-formed UTF-8 character at `at`, or 0 when the
// bytes there are not one.
qsizetype validUtf8Length(const QByteArray &bytes, qsizetype at)
{
    const uchar lead = uchar(bytes.at(at));
    const qsizetype length = lead < 0x80             ? 1
                             : (lead & 0xe0) == 0xc0 ? 2
                             : (lead & 0xf0) == 0xe0 ? 3
                             : (lead & 0xf8) == 0xf0 ? 4
                                                     : 0;
    if (length == 0 || at + length > bytes.size())
        return 0;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // The decoder does its work when its result is taken as a string.
    const QString decoded = decoder.decode(bytes.mid(at, length));
    return decoder.hasError() ? 0 : length;
}

// The spread files in `spreads` whose names are not valid UTF-8, shown
// with their undecodable bytes as \xNN. Qt's directory listing passes over
// names it cannot decode, so the folder is read with the system's own calls.
QStringList unusableSpreadFilesIn(const QString &spreads)
{
    QStringList names;
    DIR *folder = ::opendir(QFile::encodeName(spreads).constData());
    if (!folder)
        return names;
    while (const dirent *entry = ::readdir(folder)) {
        const QByteArray name(entry->d_name);
        if (!name.toLower().endsWith(".spread"))
            continue;
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(name);
        if (!decoder.hasError())
            continue;
        QString shown;
        for (qsizetype i = 0; i < name.size();) {
            const qsizetype length = validUtf8Length(name, i);
            if (length > 0) {
                shown += QString::fromUtf8(name.mid(i, length));
                i += length;
            } else {
                shown += QStringLiteral("\\x") + QString::number(uchar(name.at(i)), 16)
                                                     .rightJustified(2, QLatin1Char('0'))
                                                     .toUpper();
                ++i;
            }
        }
        names.append(shown);
    }
    ::closedir(folder);
    return names;
}

} // namespace

QString DataFolders::readingsDir(const DataRoots &roots)
{
    const QString saved = roots.savedDir();
    return QFileInfo(saved).isDir() ? saved + QLatin1Char('/') : roots.userDir();
}

QStringList DataFolders::spreadNames(const DataRoots &roots)
{
    QStringList names;
    const QStringList files = roots.entries(QStringLiteral("Spreads"), {QStringLiteral("*.spread")},
                                            QDir::Files | QDir::Hidden);
    for (const QString &file : files)
        names.append(file.chopped(7)); // ".spread"
    return names;
}

QStringList DataFolders::unusableSpreadFiles(const DataRoots &roots)
{
    QStringList names;
    for (const QString &spreads : roots.folders(QStringLiteral("Spreads")))
        names += unusableSpreadFilesIn(spreads);
    return names;
}

bool DataFolders::hasExtraCard(const DataRoots &roots, const QString &deckName)
{
    return !roots.find(QStringLiteral("Pics/") + deckName + QStringLiteral("/78.jpg")).isEmpty();
}

bool DataFolders::deckExists(const DataRoots &roots, const QString &deckName)
{
    if (!DataRoots::isPlainName(deckName))
        return false;
    return !roots.folders(QStringLiteral("Pics/") + deckName).isEmpty();
}

QStringList DataFolders::bundledDecks()
{
    return {QStringLiteral("Ardenvale"), QStringLiteral("Veldmere")};
}
