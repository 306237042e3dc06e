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

void refuse(SpreadImport::Refusal *refusal, SpreadImport::Refusal::Kind kind, const QString &path,
            const QString &fault)
{
    if (refusal)
        *refusal = {kind, QDir::toNativeSeparators(path) + QStringLiteral(": ") + fault};
}

} // namespace

std::optional<SpreadImport::Offered> SpreadImport::offer(const DataRoots &roots,
                                                         const QStringList &offeredNames,
                                                         const QString &path, Refusal *refusal)
{
    const QFileInfo file(path);
    const QString name = file.fileName().chopped(7); // ".spread" in any letter case
    Spread spread;
    QString fault;
    if (spread.load(path, &fault) != Spread::LoadResult::Loaded) {
        refuse(refusal, Refusal::Kind::Unreadable, path, fault);
        return std::nullopt;
    }
    if (liesIn(roots.folders(QStringLiteral("Spreads")), path) || offeredNames.contains(name))
        return Offered{name, file.absoluteFilePath()};

    QByteArray bytes;
    QString reason;
    if (!WholeFile::read(path, bytes, &reason)) {
        refuse(refusal, Refusal::Kind::Unreadable, path, reason);
        return std::nullopt;
    }
    const QString copy = Spread::writePath(roots, name);
    if (!WholeFile::write(copy, bytes, &reason)) {
        refuse(refusal, Refusal::Kind::NotSaved, copy, reason);
        return std::nullopt;
    }
    return Offered{name, copy};
}
