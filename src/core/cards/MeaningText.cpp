#include "core/cards/MeaningText.h"

#include "core/util/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

QString MeaningText::fileName(int number, bool reversed)
{
    return QString::number(number) + (reversed ? QStringLiteral("r.txt") : QStringLiteral(".txt"));
}

QString MeaningText::deckPath(const Source &source)
{
    return source.appDir + QStringLiteral("/Pics/") + source.deckName + QLatin1Char('/') +
           fileName(source.number, source.reversed);
}

QString MeaningText::languagePath(const Source &source)
{
    return source.appDir + QStringLiteral("/Langs/") + source.language + QStringLiteral("/Texts/") +
           fileName(source.number, source.reversed);
}

QString MeaningText::englishPath(const Source &source)
{
    return source.appDir + QStringLiteral("/Langs/English/Texts/") +
           fileName(source.number, source.reversed);
}

QByteArray MeaningText::lookup(const Source &source)
{
    QByteArray text;
    const QString deckFile = deckPath(source);
    if (QFileInfo::exists(deckFile))
        WholeFile::read(deckFile, text);
    if (!text.isEmpty())
        return text;

    const QString languageFile = languagePath(source);
    const QString englishFile = englishPath(source);
    const QString chosen = QFileInfo::exists(languageFile) ? languageFile : englishFile;
    if (!QFileInfo::exists(chosen))
        return QDir::toNativeSeparators(englishFile).toLocal8Bit();
    WholeFile::read(chosen, text);
    return text;
}

QString MeaningText::defaultTarget(const Source &source)
{
    const QString languageFile = languagePath(source);
    return QFileInfo::exists(languageFile) ? languageFile : englishPath(source);
}

bool MeaningText::save(const Source &source, const QByteArray &text, bool withDeck, bool asDefault,
                       QString *errorString)
{
    QStringList targets;
    if (asDefault)
        targets << defaultTarget(source);
    if (withDeck)
        targets << deckPath(source);

    QStringList failures;
    for (const QString &target : targets) {
        QString reason;
        if (!WholeFile::write(target, text, &reason))
            failures << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(target), reason);
    }
    if (errorString)
        *errorString = failures.join(QLatin1Char('\n'));
    return failures.isEmpty();
}
