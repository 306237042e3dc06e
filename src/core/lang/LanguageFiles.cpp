#include "core/lang/LanguageFiles.h"

#include "core/util/TextLines.h"
#include "core/util/WholeFile.h"

#include <QDir>
#include <QFileInfo>

QString LanguageFiles::folder(const QString &appDir, const QString &language)
{
    return appDir + QStringLiteral("/Langs/") + language;
}

QString LanguageFiles::fileWithFallback(const QString &appDir, const QString &language,
                                        const QString &fileName)
{
    const QString own = folder(appDir, language) + QLatin1Char('/') + fileName;
    if (QFileInfo::exists(own))
        return own;
    const QString english = folder(appDir, QStringLiteral("English")) + QLatin1Char('/') + fileName;
    return QFileInfo::exists(english) ? english : QString();
}

QList<QByteArray> LanguageFiles::readUiTexts(const QString &appDir, const QString &language)
{
    const QString path = fileWithFallback(appDir, language, QStringLiteral("List.lng"));
    QByteArray text;
    if (!path.isEmpty())
        WholeFile::read(path, text); // a read error keeps what was read before it
    return TextLines::split(text);
}

QString LanguageFiles::helpGuide(const QString &appDir, const QString &language)
{
    return fileWithFallback(appDir, language, QStringLiteral("Doded.htm"));
}

QStringList LanguageFiles::languageEntries(const QString &appDir)
{
    const QDir langs(appDir + QStringLiteral("/Langs"));
    QStringList entries;
    const QStringList all = langs.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString &entry : all) {
        if (!entry.startsWith(QLatin1Char('.')))
            entries.append(entry);
    }
    return entries;
}
