#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QDate;
class QLocale;

// A finished reading as saved to a ".reading" file: the deck order with the
// orientations, the spread, the card at each position and the comments.
// On disk: the plain header "!updatedformat!", then a scrambled body of CR LF
// lines - the deck line count, the spread name, one line per deck slot
// ("r" before the number when reversed), one line per position - and the
// comments, which have no line end of their own. Files without the header
// are of an older kind whose body lacks the count line and always has 78
// deck lines. Position lines are counted by the spread, so the number of
// positions must be known to read a file.
class ReadingFile
{
public:
    static constexpr char Header[] = "!updatedformat!";
    static constexpr int HeaderLength = 15;
    static constexpr int OlderDeckLineCount = 78;
    // A reading is its deck lines, its position lines and comments typed by
    // hand: a few kilobytes. Even a book's worth of comments stays far below
    // this, so a larger file is no reading.
    static constexpr qint64 LargestFile = 16LL * 1024 * 1024;

    enum class Format
    {
        Current,
        Older,
    };

    enum class ParseResult
    {
        Ok,
        EmptyFile,
        // Not a reading file, or a damaged one; nothing of it is usable.
        Unreadable,
    };

    struct DeckCard
    {
        quint32 number = 0;
        bool reversed = false;
        bool operator==(const DeckCard &other) const
        {
            return number == other.number && reversed == other.reversed;
        }
    };

    // What the first lines say; enough to check the reading can be opened
    // before the spread is known.
    struct Heading
    {
        Format format = Format::Current;
        int deckLineCount = 0;
        QByteArray spreadName;
    };

    Format format = Format::Current;
    QByteArray spreadName;
    // One entry per deck line: 22, 23, 78 or 79 of them in a readable file.
    QList<DeckCard> cards;
    QList<quint32> positions;
    QByteArray comments;

    // 22, 23, 78 or 79: the deck sizes a reading can be saved with.
    static bool isDeckLineCount(int count);

    // The whole file in the current format.
    QByteArray write() const;
    // Replaces `path` only once the new file is complete, so a failed save
    // keeps the reading that was there.
    bool save(const QString &path, QString *errorString = nullptr) const;

    static ParseResult readHeading(const QByteArray &fileBytes, Heading &heading,
                                   QString *errorString = nullptr);
    // Fills this record from `fileBytes`, reading `positionCount` position
    // lines. On failure the record is left as it was and `errorString` says
    // what is wrong.
    ParseResult parse(const QByteArray &fileBytes, int positionCount,
                      QString *errorString = nullptr);

    // The comments typed in the memo as stored: local 8-bit, CR LF line ends.
    static QByteArray commentsFromMemo(const QString &memoText);
    // Stored comments as the memo shows them, decoded for `language` (older
    // files are in its 8-bit code page), with bare line feeds.
    static QString commentsForMemo(const QByteArray &comments, const QString &language);

    // The name first offered when saving: the short date with dots for
    // slashes, " -Veldmere- " for a deck with the 79th card or " - "
    // otherwise, then the spread name. No extension.
    static QString proposedFileName(const QDate &date, const QLocale &locale, bool deck79,
                                    const QString &spreadName);
};
