#include "core/spreads/SpreadImport.h"

#include "core/spreads/Spread.h"
#include "core/util/WholeFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool liesIn(const QStringList &folders, const QString &path)
{
    const QString folder = QFileInfo(path).canonicalPath();
    for (const QString &candidate : folders) {
        if (QFileInfo(candidate).canonicalFilePath() == folder)
            return true;
    }
    return false;
}

void setError(QString *errorString, const QString &path, const QString &fault)
{
    if (errorString)
        *errorString = QDir::toNativeSeparators(path) + QStringLiteral(": ") + fault;
}

} // namespace

std::optional<SpreadImport::Offered> SpreadImport::offer(const DataRoots &roots,
                                                         const QStringList &offeredNames,
                                                         const QString &path, QString *errorString)
{
    const QFileInfo file(path);
    const QString name = file.fileName().chopped(7); // ".spread" in any letter case
    Spread spread;
    QString fault;
    if (spread.load(path, &fault) != Spread::LoadResult::Loaded) {
        setError(errorString, path, fault);
        return std::nullopt;
    }
    if (liesIn(roots.folders(QStringLiteral("Spreads")), path) || offeredNames.contains(name))
        return Offered{name, file.absoluteFilePath()};

    QByteArray bytes;
    QString reason;
    const QString copy = Spread::writePath(roots, name);
    if (!WholeFile::read(path, bytes, &reason) || !WholeFile::write(copy, bytes, &reason)) {
        setError(errorString, copy, reason);
        return std::nullopt;
    }
    return Offered{name, copy};
}
