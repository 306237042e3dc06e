#include "core/lang/LanguageFiles.h"

#include "core/util/TextLines.h"
#include "core/util/WholeFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

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

bool LanguageFiles::isText(const QByteArray &bytes)
{
    return std::none_of(bytes.cbegin(), bytes.cend(), [](char byte) {
        const uchar c = uchar(byte);
        return (c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7f;
    });
}

QList<QByteArray> LanguageFiles::readUiTexts(const DataRoots &roots, const QString &language)
{
    const QString path = fileWithFallback(roots, language, QStringLiteral("List.lng"));
    QByteArray text;
    if (!path.isEmpty())
        WholeFile::read(path, text, nullptr, LargestFile); // a read error keeps what was read
    return isText(text) ? TextLines::split(text) : QList<QByteArray>();
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
