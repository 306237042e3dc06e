#include "core/cards/MeaningText.h"

#include "core/util/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

QString MeaningText::fileName(int number, bool reversed)
{
    return QString::number(number) + (reversed ? QStringLiteral("r.txt") : QStringLiteral(".txt"));
}

namespace {

QString deckFile(const MeaningText::Source &source)
{
    return QStringLiteral("Pics/") + source.deckName + QLatin1Char('/') +
           MeaningText::fileName(source.number, source.reversed);
}

QString languageFile(const MeaningText::Source &source, const QString &language)
{
    return QStringLiteral("Langs/") + language + QStringLiteral("/Texts/") +
           MeaningText::fileName(source.number, source.reversed);
}

// The user's copy of `relative`; its folder is made only when the folder
// `owner` (the deck's or the language's) exists in some root, so a meaning
// is never written for a deck or language that is gone.
QString target(const DataRoots &roots, const QString &relative, const QString &owner)
{
    return roots.writePath(relative, !roots.folders(owner).isEmpty());
}

} // namespace

QString MeaningText::deckPath(const Source &source)
{
    return source.roots.findOrBundled(deckFile(source));
}

QString MeaningText::languagePath(const Source &source)
{
    return source.roots.findOrBundled(languageFile(source, source.language));
}

QString MeaningText::englishPath(const Source &source)
{
    return source.roots.findOrBundled(languageFile(source, QStringLiteral("English")));
}

QString MeaningText::deckTarget(const Source &source)
{
    return target(source.roots, deckFile(source), QStringLiteral("Pics/") + source.deckName);
}

namespace {

// The text of the meaning file at `path`; for a pipe, a device or a file far
// too large, the file's name and why it is not read, so the reader sees it.
QByteArray readMeaning(const QString &path)
{
    QByteArray text;
    const QString refused = WholeFile::unreadableReason(path, MeaningText::LargestFile);
    if (!refused.isEmpty())
        return (QDir::toNativeSeparators(path) + QStringLiteral(": ") + refused).toLocal8Bit();
    WholeFile::read(path, text, nullptr, MeaningText::LargestFile);
    return text;
}

} // namespace

QByteArray MeaningText::lookup(const Source &source)
{
    const QString deckFile = deckPath(source);
    const QByteArray text = QFileInfo::exists(deckFile) ? readMeaning(deckFile) : QByteArray();
    if (!text.isEmpty())
        return text;

    const QString languageFile = languagePath(source);
    const QString englishFile = englishPath(source);
    const QString chosen = QFileInfo::exists(languageFile) ? languageFile : englishFile;
    if (!QFileInfo::exists(chosen))
        return QDir::toNativeSeparators(englishFile).toLocal8Bit();
    return readMeaning(chosen);
}

QString MeaningText::defaultTarget(const Source &source)
{
    const QString language =
        QFileInfo::exists(languagePath(source)) ? source.language : QStringLiteral("English");
    return target(source.roots, languageFile(source, language),
                  QStringLiteral("Langs/") + language);
}

bool MeaningText::save(const Source &source, const QByteArray &text, bool withDeck, bool asDefault,
                       QString *errorString)
{
    QStringList targets;
    if (asDefault)
        targets << defaultTarget(source);
    if (withDeck)
        targets << deckTarget(source);

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
