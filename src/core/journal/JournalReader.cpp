#include "core/journal/JournalReader.h"

#include "core/data/DataFolders.h"
#include "core/readings/ReadingFile.h"
#include "core/readings/ReadingOpenPlan.h"
#include "core/util/TextCodec.h"
#include "core/util/WholeFile.h"

#include <QDateTime>
#include <QFileInfo>

JournalReader::JournalReader(const DataRoots &roots, const QString &language, const QLocale &locale)
    : m_roots(roots)
    , m_language(language)
    , m_locale(locale)
    , m_spreadNames(DataFolders::spreadNames(roots))
{}

QDate JournalReader::dateOf(const QString &fileName, const QDateTime &modified,
                            const QLocale &locale)
{
    // The journal names its files "yyyy-MM-dd ..."; the Save dialog proposes
    // the short date with dots for slashes, then " -".
    const QString head = fileName.section(QLatin1Char(' '), 0, 0);
    QDate date = QDate::fromString(head, Qt::ISODate);
    if (!date.isValid()) {
        const QString format =
            locale.dateFormat(QLocale::ShortFormat).replace(QLatin1Char('/'), QLatin1Char('.'));
        date = locale.toDate(head, format);
        // A two-digit year is of this century.
        if (date.isValid() && date.year() < 1950 && !format.contains(QLatin1String("yyyy")))
            date = date.addYears(100);
    }
    return date.isValid() ? date : modified.date();
}

const JournalReader::KnownSpread &JournalReader::spreadNamed(const QString &name)
{
    auto found = m_spreads.find(name);
    if (found == m_spreads.end()) {
        KnownSpread design;
        if (design.spread.load(Spread::filePath(m_roots, name), &design.fault) !=
                Spread::LoadResult::Loaded &&
            design.fault.isEmpty())
            design.fault = QStringLiteral("its spread file cannot be read");
        if (!design.fault.isEmpty())
            design.fault = QStringLiteral("spread '%1': %2").arg(name, design.fault);
        found = m_spreads.insert(name, design);
    }
    return *found;
}

JournalEntry JournalReader::read(const QFileInfo &file)
{
    JournalEntry entry;
    entry.path = file.absoluteFilePath();
    entry.size = file.size();
    const QDateTime modified = file.lastModified();
    entry.modified = modified.toMSecsSinceEpoch();
    entry.date = dateOf(file.completeBaseName(), modified, m_locale);
    QByteArray bytes;
    QString fault;
    if (!WholeFile::read(entry.path, bytes, &fault, ReadingFile::LargestFile))
        entry.damage = fault;
    else
        readBytes(bytes, entry);
    return entry;
}

void JournalReader::readBytes(const QByteArray &bytes, JournalEntry &entry)
{
    ReadingFile::Heading heading;
    QString fault;
    switch (ReadingFile::readHeading(bytes, heading, &fault)) {
    case ReadingFile::ParseResult::EmptyFile:
        entry.damage = QStringLiteral("the file is empty");
        return;
    case ReadingFile::ParseResult::Unreadable:
        entry.damage =
            bytes.startsWith(ReadingFile::Header) ? fault : QStringLiteral("not a reading file");
        return;
    case ReadingFile::ParseResult::Ok:
        break;
    }
    entry.deckSize = heading.deckLineCount;
    entry.spreadName = TextCodec::decode(heading.spreadName, m_language);
    // Only the older format lacks a header; anything else has no whole deck.
    if (!bytes.startsWith(ReadingFile::Header) &&
        ReadingFile().parse(bytes, 0) != ReadingFile::ParseResult::Ok) {
        entry.damage = QStringLiteral("not a reading file");
        entry.spreadName.clear();
        return;
    }
    const int index = ReadingOpenPlan::findSpread(m_spreadNames, heading.spreadName, m_language);
    if (index < 0) {
        entry.damage = QStringLiteral("spread '%1' is not installed").arg(entry.spreadName);
        return;
    }
    entry.spreadName = m_spreadNames.at(index);
    const KnownSpread &design = spreadNamed(entry.spreadName);
    if (!design.fault.isEmpty()) {
        entry.damage = design.fault;
        return;
    }
    ReadingFile reading;
    if (reading.parse(bytes, design.spread.positionCount(), &fault) !=
        ReadingFile::ParseResult::Ok) {
        entry.damage = fault;
        return;
    }
    for (int position = 0; position < reading.positions.size(); ++position) {
        JournalCard card;
        card.position = position;
        card.number = int(reading.positions.at(position));
        // The deck slot that holds the card says how it lies.
        for (const ReadingFile::DeckCard &slot : reading.cards) {
            if (int(slot.number) == card.number) {
                card.reversed = slot.reversed;
                break;
            }
        }
        const SpreadPosition &place = design.spread.positions.at(position);
        card.significator = place.significator;
        card.explanation = TextCodec::decode(place.explanation, m_language);
        entry.cards.append(card);
    }
    entry.comments = ReadingFile::commentsForMemo(reading.comments, m_language);
}
