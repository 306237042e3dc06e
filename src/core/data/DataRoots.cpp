#include "core/data/DataRoots.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

namespace {

const QString AssociationFile = QStringLiteral("Associat.txt");
// The program's folder among the desktop's per-user data and cache folders;
// fixed here so that the companion tools find the same user data.
const QString UserFolder = QStringLiteral("/Orvandel/Quillmoor");

} // namespace

DataRoots::DataRoots(const QString &programDir)
    : m_bundledDir(programDir)
    , m_userDir(programDir)
    , m_tempDir(joined(programDir, QStringLiteral("Temp")))
{}

DataRoots::DataRoots(const QString &bundledDir, const QString &userDir, const QString &tempDir)
    : m_bundledDir(bundledDir)
    , m_userDir(userDir)
    , m_tempDir(tempDir)
    , m_portable(false)
{}

QString DataRoots::facesDir() const
{
    return joined(QFileInfo(m_tempDir).path(), QStringLiteral("Faces"));
}

DataRoots DataRoots::forDataFolder(const QString &bundledDir)
{
    if (!QFileInfo(joined(bundledDir, QLatin1String(InstalledMarker))).isFile())
        return DataRoots(bundledDir);
    const QString data =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + UserFolder;
    const QString cache =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + UserFolder;
    return DataRoots(bundledDir, data, joined(cache, QStringLiteral("Temp")));
}

QString DataRoots::dataFolderOf(const QString &executableDir)
{
    // A build or an unpacked copy keeps its languages beside the executable.
    if (QFileInfo(joined(executableDir, QStringLiteral("Langs"))).isDir())
        return executableDir;
    const QString installed =
        QDir::cleanPath(executableDir + QStringLiteral("/../share/quillmoor"));
    return QFileInfo(installed).isDir() ? installed : executableDir;
}

bool DataRoots::isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !QDir::isAbsolutePath(name);
}

QStringList DataRoots::readRoots() const
{
    if (m_portable)
        return {m_bundledDir};
    return {m_userDir, m_bundledDir};
}

QString DataRoots::find(const QString &relative) const
{
    for (const QString &root : readRoots()) {
        const QString path = joined(root, relative);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

QString DataRoots::findOrBundled(const QString &relative) const
{
    const QString found = find(relative);
    return found.isEmpty() ? joined(m_bundledDir, relative) : found;
}

QStringList DataRoots::entries(const QString &relative, const QStringList &nameFilters,
                               QDir::Filters filters) const
{
    QStringList names;
    QSet<QString> seen;
    for (const QString &root : readRoots()) {
        const QStringList found =
            QDir(joined(root, relative)).entryList(nameFilters, filters, QDir::Unsorted);
        for (const QString &name : found) {
            if (!seen.contains(name)) {
                seen.insert(name);
                names.append(name);
            }
        }
    }
    return names;
}

QStringList DataRoots::folders(const QString &relative) const
{
    QStringList found;
    for (const QString &root : readRoots()) {
        const QString path = joined(root, relative);
        if (QFileInfo(path).isDir())
            found.append(path);
    }
    return found;
}

QString DataRoots::writePath(const QString &relative, bool makeFolder) const
{
    const QString path = joined(m_userDir, relative);
    if (makeFolder)
        QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

QString DataRoots::savedDir() const
{
    return joined(m_userDir, QStringLiteral("Saved"));
}

QString DataRoots::reportsDir() const
{
    return joined(m_userDir, QStringLiteral("Reports"));
}

QString DataRoots::spreadsWriteDir() const
{
    return joined(m_userDir, QStringLiteral("Spreads"));
}

QStringList DataRoots::musicFolders() const
{
    return folders(QStringLiteral("Music"));
}

QString DataRoots::musicDir() const
{
    const QStringList music = musicFolders();
    return music.isEmpty() ? m_userDir : music.first();
}

QString DataRoots::findMusic(const QString &name) const
{
    return findOrBundled(QStringLiteral("Music/") + name);
}

QString DataRoots::associationFile() const
{
    for (const QString &root : readRoots()) {
        const QString path = associationFileIn(root);
        if (QFileInfo::exists(path))
            return path;
    }
    return associationFileIn(m_bundledDir);
}

QString DataRoots::associationWritePath() const
{
    QDir().mkpath(m_userDir);
    return associationFileIn(m_userDir);
}

QString DataRoots::associationFileIn(const QString &root)
{
    // One file under any spelling: writing a second one beside an older
    // "associat.txt" would leave two that disagree.
    const QDir dir(root);
    const QStringList files = dir.entryList({}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : files) {
        if (name.compare(AssociationFile, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return dir.filePath(AssociationFile);
}

void DataRoots::createFolders() const
{
    QDir user;
    user.mkpath(joined(m_userDir, QStringLiteral("Music")));
    if (user.mkpath(savedDir()))
        user.mkpath(m_tempDir);
}

void DataRoots::emptyTemp() const
{
    const QDir temp(m_tempDir);
    const QStringList files = temp.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &file : files)
        QFile::remove(temp.filePath(file));
}

QString DataRoots::joined(const QString &root, const QString &relative)
{
    return root + QLatin1Char('/') + relative;
}
