#include "core/readings/ReadingFile.h"

#include "core/engine/Deck.h"
#include "core/util/Decimal.h"
#include "core/util/FileNames.h"
#include "core/util/ScrambledText.h"
#include "core/util/TextCodec.h"
#include "core/util/TextLines.h"
#include "core/util/WholeFile.h"

#include <QDate>
#include <QLocale>

#include <optional>
#include <utility>

namespace {

ReadingFile::ParseResult unreadable(QString *errorString, const QString &message)
{
    if (errorString)
        *errorString = message;
    return ReadingFile::ParseResult::Unreadable;
}

std::optional<quint32> cardNumber(const QByteArray &field)
{
    const std::optional<qint32> value = Decimal::parse(field);
    if (!value || *value < 0 || *value > Deck::ExtraCard)
        return std::nullopt;
    return quint32(*value);
}

// The plain body's lines; text after the last line end is not a line but
// the reading's comments.
using BodyReader = TextLines::Cursor;

QString lineError(const BodyReader &reader, const QString &what)
{
    return QStringLiteral("line %1 of the body: %2").arg(reader.lineNumber()).arg(what);
}

QString missingLineEnd(const BodyReader &reader, const QString &what)
{
    return QStringLiteral("line %1 of the body (%2) has no line end")
        .arg(reader.lineNumber() + 1)
        .arg(what);
}

ReadingFile::ParseResult readHeadingFrom(const QByteArray &fileBytes, ReadingFile::Heading &heading,
                                         BodyReader &reader, QString *errorString)
{
    if (fileBytes.isEmpty())
        return ReadingFile::ParseResult::EmptyFile;
    const bool current = fileBytes.startsWith(ReadingFile::Header);
    heading.format = current ? ReadingFile::Format::Current : ReadingFile::Format::Older;
    reader = BodyReader(
        ScrambledText::scramble(current ? fileBytes.mid(ReadingFile::HeaderLength) : fileBytes));

    heading.deckLineCount = ReadingFile::OlderDeckLineCount;
    if (current) {
        const std::optional<QByteArray> countLine = reader.next();
        if (!countLine)
            return unreadable(errorString,
                              missingLineEnd(reader, QStringLiteral("the deck line count")));
        const std::optional<qint32> count = Decimal::parse(*countLine);
        if (!count || !ReadingFile::isDeckLineCount(*count))
            return unreadable(errorString,
                              lineError(reader, QStringLiteral("the deck line count must be "
                                                               "22, 23, 78 or 79")));
        heading.deckLineCount = *count;
    }
    const std::optional<QByteArray> name = reader.next();
    if (!name)
        return unreadable(errorString, missingLineEnd(reader, QStringLiteral("spread name")));
    heading.spreadName = *name;
    return ReadingFile::ParseResult::Ok;
}

} // namespace

bool ReadingFile::isDeckLineCount(int count)
{
    for (const bool majorOnly : {false, true}) {
        for (const bool deck79 : {false, true}) {
            if (count == Deck::sizeFor(majorOnly, deck79))
                return true;
        }
    }
    return false;
}

QByteArray ReadingFile::write() const
{
    QByteArray body = QByteArray::number(cards.size()) + "\r\n" + spreadName + "\r\n";
    for (const DeckCard &card : cards)
        body += (card.reversed ? "r" : "") + QByteArray::number(card.number) + "\r\n";
    for (quint32 number : positions)
        body += QByteArray::number(number) + "\r\n";
    body += comments;
    return QByteArray(Header) + ScrambledText::scramble(body);
}

bool ReadingFile::save(const QString &path, QString *errorString) const
{
    return WholeFile::write(path, write(), errorString);
}

ReadingFile::ParseResult ReadingFile::readHeading(const QByteArray &fileBytes, Heading &heading,
                                                  QString *errorString)
{
    BodyReader reader{QByteArray()};
    return readHeadingFrom(fileBytes, heading, reader, errorString);
}

ReadingFile::ParseResult ReadingFile::parse(const QByteArray &fileBytes, int positionCount,
                                            QString *errorString)
{
    Heading heading;
    BodyReader reader{QByteArray()};
    const ParseResult headingResult = readHeadingFrom(fileBytes, heading, reader, errorString);
    if (headingResult != ParseResult::Ok)
        return headingResult;

    QList<DeckCard> deck;
    for (int slot = 0; slot < heading.deckLineCount; ++slot) {
        std::optional<QByteArray> line = reader.next();
        if (!line)
            return unreadable(errorString, missingLineEnd(reader, QStringLiteral("a deck line")));
        DeckCard card;
        if (line->startsWith('r')) {
            card.reversed = true;
            line->remove(0, 1);
        }
        const std::optional<quint32> number = cardNumber(*line);
        if (!number)
            return unreadable(errorString, lineError(reader, QStringLiteral("a card number "
                                                                            "must be 0 to 78")));
        card.number = *number;
        deck.append(card);
    }

    QList<quint32> laid;
    for (int position = 0; position < positionCount; ++position) {
        const std::optional<QByteArray> line = reader.next();
        if (!line)
            return unreadable(errorString,
                              missingLineEnd(reader, QStringLiteral("a position line")));
        const std::optional<quint32> number = cardNumber(*line);
        if (!number)
            return unreadable(errorString, lineError(reader, QStringLiteral("a card number "
                                                                            "must be 0 to 78")));
        laid.append(*number);
    }

    format = heading.format;
    spreadName = heading.spreadName;
    cards = deck;
    positions = laid;
    comments = reader.rest();
    return ParseResult::Ok;
}

QByteArray ReadingFile::commentsFromMemo(const QString &memoText)
{
    QByteArray comments = memoText.toLocal8Bit();
    comments.replace("\r\n", "\n");
    comments.replace("\n", "\r\n");
    return comments;
}

QString ReadingFile::commentsForMemo(const QByteArray &comments, const QString &language)
{
    QString memo = TextCodec::decode(comments, language);
    memo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    memo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return memo;
}

QString ReadingFile::proposedFileName(const QDate &date, const QLocale &locale, bool deck79,
                                      const QString &spreadName)
{
    const QByteArray shortDate = locale.toString(date, QLocale::ShortFormat).toLocal8Bit();
    const QString separator = deck79 ? QStringLiteral(" -Veldmere- ") : QStringLiteral(" - ");
    return QString::fromLocal8Bit(FileNames::dotsForSlashes(shortDate)) + separator + spreadName;
}
