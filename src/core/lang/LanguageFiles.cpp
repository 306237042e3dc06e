#include "core/lang/LanguageFiles.h"

#include "core/util/TextLines.h"
#include "core/util/WholeFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString relativeFile(const QString &language, const QString &fileName)
{
    return QStringLiteral("Langs/") + language + QLatin1Char('/') + fileName;
}

} // namespace

QString LanguageFiles::ownFile(const DataRoots &roots, const QString &language,
                               const QString &fileName)
{
    if (!DataRoots::isPlainName(language))
        return QString();
    return roots.find(relativeFile(language, fileName));
}

QString LanguageFiles::fileWithFallback(const DataRoots &roots, const QString &language,
                                        const QString &fileName)
{
    const QString own = ownFile(roots, language, fileName);
    return own.isEmpty() ? ownFile(roots, QStringLiteral("English"), fileName) : own;
}

QList<QByteArray> LanguageFiles::readUiTexts(const DataRoots &roots, const QString &language)
{
    const QString path = fileWithFallback(roots, language, QStringLiteral("List.lng"));
    QByteArray text;
    if (!path.isEmpty())
        WholeFile::read(path, text, nullptr, LargestFile); // a read error keeps what was read
    return TextLines::split(text);
}

QString LanguageFiles::helpGuide(const DataRoots &roots, const QString &language)
{
    return fileWithFallback(roots, language, QStringLiteral("Doded.htm"));
}

QStringList LanguageFiles::languageEntries(const DataRoots &roots)
{
    QStringList entries;
    const QStringList all =
        roots.entries(QStringLiteral("Langs"), {},
                      QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : all) {
        if (!entry.startsWith(QLatin1Char('.')))
            entries.append(entry);
    }
    return entries;
}
