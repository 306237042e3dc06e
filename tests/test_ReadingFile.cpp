// Checks the reading file: the golden files of both formats read to their
// written-down readings and those write back to the same bytes, saved readings
// come back, and damaged files are refused whole.
#include "core/engine/Deck.h"
#include "core/readings/ReadingFile.h"
#include "core/util/RandomGenerator.h"
#include "core/util/ScrambledText.h"

#include <QLocale>
#include <QtTest>

namespace {

// A finished reading of `deckSize` cards dealt from a fixed seed, the
// last `positions` of them laid in the spread, and the deal it came from.
struct FinishedReading
{
    Deck::Slots cards;
    ReadingFile file;
};

FinishedReading finishedReading(int deckSize, int positions, const QByteArray &comments)
{
    FinishedReading reading;
    RandomGenerator random;
    random.setSeedSource([] { return 20051231u; });
    Deck::deal(reading.cards, deckSize, deckSize % 2 == 1, true, 1024, random);
    reading.file.spreadName = "Question";
    for (int slot = 0; slot < deckSize; ++slot)
        reading.file.cards.append({reading.cards[slot].number, reading.cards[slot].reversed != 0});
    for (int i = 0; i < positions; ++i)
        reading.file.positions.append(reading.cards[deckSize - 1 - i].number);
    reading.file.comments = comments;
    return reading;
}

// The deck lines as one line of text, "r" before a reversed card's number.
QList<QByteArray> layout(const QList<ReadingFile::DeckCard> &cards)
{
    QList<QByteArray> result;
    for (const ReadingFile::DeckCard &card : cards)
        result.append((card.reversed ? "r" : "") + QByteArray::number(card.number));
    return result;
}

QList<ReadingFile::DeckCard> deckFromLayout(const QByteArray &written)
{
    QList<ReadingFile::DeckCard> cards;
    for (const QByteArray &entry : written.split(' ')) {
        const bool reversed = entry.startsWith('r');
        cards.append({entry.mid(reversed ? 1 : 0).toUInt(), reversed});
    }
    return cards;
}

QByteArray goldenFile(const QString &name)
{
    QFile file(QFINDTESTDATA(QStringLiteral("data/") + name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// The reading in tests/data/celtic-cross.reading, as written in its text source.
constexpr char CelticCrossDeck[] =
    "3 r36 34 59 11 r76 20 69 39 41 r55 r2 54 r62 r30 r17 r24 48 r44 65 r38 r4 75 14 66 r37 72 "
    "r51 r56 r64 r42 33 32 49 40 52 r63 7 22 r46 r27 r77 68 r12 1 31 r5 25 r8 57 r13 15 r74 73 10 "
    "r16 19 47 23 43 r35 r9 r0 45 6 r28 67 29 50 r58 60 r18 70 r53 21 26 71 61 r78";
const QList<quint32> CelticCrossPositions = {78, 61, 71, 26, 21, 53, 70, 18, 60, 58};
constexpr char CelticCrossComments[] =
    "Asked about the move in spring.\r\n\r\n3 of the cups came up reversed:\r\n12";

// The reading in tests/data/three-cards-older.reading: cards 77 down to 0,
// with 77, 13 and 0 reversed.
constexpr char ThreeCardsDeck[] =
    "r77 76 75 74 73 72 71 70 69 68 67 66 65 64 63 62 61 60 59 58 57 56 55 54 53 52 51 50 49 48 "
    "47 46 45 44 43 42 41 40 39 38 37 36 35 34 33 32 31 30 29 28 27 26 25 24 23 22 21 20 19 18 17 "
    "16 15 14 r13 12 11 10 9 8 7 6 5 4 3 2 1 r0";

} // namespace

class TestReadingFile : public QObject
{
    Q_OBJECT

private slots:
    void savedReadingComesBack_data();
    void savedReadingComesBack();
    void readsTheGoldenFile();
    void writesTheGoldenBytes();
    void readsTheOlderGoldenFile();
    void olderFileSavesAsTheCurrentFormat();
    void emptyFileIsNotAnError();
    void refusesDamagedFiles_data();
    void refusesDamagedFiles();
    void everyCutBeforeTheCommentsIsRefused();
    void memoCommentsUseCrLf();
    void readsBodiesWithAnyLineEnd_data();
    void readsBodiesWithAnyLineEnd();
    void proposedFileName();
};

void TestReadingFile::savedReadingComesBack_data()
{
    QTest::addColumn<int>("deckSize");
    QTest::addColumn<QByteArray>("comments");
    QTest::newRow("22 cards, no comments") << 22 << QByteArray();
    QTest::newRow("23 cards, comment starting with a digit") << 23 << QByteArray("7 of cups\r\n12");
    QTest::newRow("78 cards, several lines") << 78 << QByteArray("First\r\n\r\nThird\r\n");
    QTest::newRow("79 cards, comment that is a number") << 79 << QByteArray("5");
}

void TestReadingFile::savedReadingComesBack()
{
    QFETCH(int, deckSize);
    QFETCH(QByteArray, comments);
    const FinishedReading finished = finishedReading(deckSize, 10, comments);
    const ReadingFile &saved = finished.file;

    ReadingFile read;
    QCOMPARE(read.parse(saved.write(), 10), ReadingFile::ParseResult::Ok);
    QCOMPARE(read.format, ReadingFile::Format::Current);
    QCOMPARE(read.spreadName, QByteArray("Question"));
    QCOMPARE(read.cards.size(), deckSize);
    int reversed = 0;
    for (int slot = 0; slot < deckSize; ++slot) {
        QCOMPARE(read.cards[slot].number, finished.cards[slot].number);
        QCOMPARE(read.cards[slot].reversed, finished.cards[slot].reversed != 0);
        reversed += read.cards[slot].reversed ? 1 : 0;
    }
    QVERIFY(reversed > 0 && reversed < deckSize);
    QCOMPARE(read.positions.size(), 10);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(read.positions[i], finished.cards[deckSize - 1 - i].number);
    QCOMPARE(read.comments, comments);
}

void TestReadingFile::readsTheGoldenFile()
{
    ReadingFile reading;
    QString error;
    QCOMPARE(reading.parse(goldenFile(QStringLiteral("celtic-cross.reading")), 10, &error),
             ReadingFile::ParseResult::Ok);
    QCOMPARE(reading.format, ReadingFile::Format::Current);
    QCOMPARE(reading.spreadName, QByteArray("Celtic Cross"));
    QCOMPARE(layout(reading.cards), QByteArray(CelticCrossDeck).split(' '));
    QCOMPARE(reading.positions, CelticCrossPositions);
    QCOMPARE(reading.comments, QByteArray(CelticCrossComments));
}

void TestReadingFile::writesTheGoldenBytes()
{
    // A reading file has no random parts: the same reading gives the same bytes.
    ReadingFile reading;
    reading.spreadName = "Celtic Cross";
    reading.cards = deckFromLayout(CelticCrossDeck);
    reading.positions = CelticCrossPositions;
    reading.comments = CelticCrossComments;
    const QByteArray golden = goldenFile(QStringLiteral("celtic-cross.reading"));
    QVERIFY(golden.startsWith("!updatedformat!\xc8\xc6\xf2\xf5")); // "79" CR LF
    QCOMPARE(reading.write(), golden);
}

void TestReadingFile::readsTheOlderGoldenFile()
{
    const QByteArray golden = goldenFile(QStringLiteral("three-cards-older.reading"));
    ReadingFile::Heading heading;
    QCOMPARE(ReadingFile::readHeading(golden, heading), ReadingFile::ParseResult::Ok);
    QCOMPARE(heading.format, ReadingFile::Format::Older);
    QCOMPARE(heading.deckLineCount, 78);
    QCOMPARE(heading.spreadName, QByteArray("Three Cards"));

    ReadingFile reading;
    QString error;
    QCOMPARE(reading.parse(golden, 3, &error), ReadingFile::ParseResult::Ok);
    QCOMPARE(reading.format, ReadingFile::Format::Older);
    QCOMPARE(reading.spreadName, QByteArray("Three Cards"));
    QCOMPARE(layout(reading.cards), QByteArray(ThreeCardsDeck).split(' '));
    QCOMPARE(reading.positions, QList<quint32>({0, 13, 40}));
    QCOMPARE(reading.comments, QByteArray("Written before the count line.\r\n"));
}

void TestReadingFile::olderFileSavesAsTheCurrentFormat()
{
    // Saved again, an older reading gains the header and the count line; the
    // rest of its body stays byte for byte.
    ReadingFile reading;
    reading.format = ReadingFile::Format::Older;
    reading.spreadName = "Three Cards";
    reading.cards = deckFromLayout(ThreeCardsDeck);
    reading.positions = {0, 13, 40};
    reading.comments = "Written before the count line.\r\n";
    QCOMPARE(reading.write(), "!updatedformat!" + ScrambledText::scramble("78\r\n") +
                                  goldenFile(QStringLiteral("three-cards-older.reading")));
}

void TestReadingFile::emptyFileIsNotAnError()
{
    ReadingFile::Heading heading;
    QCOMPARE(ReadingFile::readHeading(QByteArray(), heading), ReadingFile::ParseResult::EmptyFile);
    ReadingFile reading;
    QCOMPARE(reading.parse(QByteArray(), 3), ReadingFile::ParseResult::EmptyFile);
}

void TestReadingFile::refusesDamagedFiles_data()
{
    const auto file = [](const QByteArray &plain) {
        return "!updatedformat!" + ScrambledText::scramble(plain);
    };
    QByteArray deck22;
    for (int number = 0; number < 22; ++number)
        deck22 += QByteArray::number(number) + "\r\n";
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("21 deck lines") << file("21\r\nQ\r\n" + deck22);
    QTest::newRow("80 deck lines") << file("80\r\nQ\r\n" + deck22);
    QTest::newRow("count not a number") << file("x22\r\nQ\r\n" + deck22 + "1\r\n");
    QTest::newRow("card 79") << file("22\r\nQ\r\n79\r\n" + deck22);
    QTest::newRow("card -1") << file("22\r\nQ\r\nr-1\r\n" + deck22);
    QTest::newRow("reversed mark alone") << file("22\r\nQ\r\nr\r\n" + deck22);
    QTest::newRow("position card 99") << file("22\r\nQ\r\n" + deck22 + "99\r\n");
    QTest::newRow("last position without CR") << file("22\r\nQ\r\n" + deck22 + "5");
    QTest::newRow("spread name without CR") << file("22\r\nQuestion");
    QTest::newRow("header alone") << QByteArray("!updatedformat!");
    QTest::newRow("not scrambled") << QByteArray("!updatedformat!22\r\nQ\r\n" + deck22 + "1\r\n");
}

void TestReadingFile::refusesDamagedFiles()
{
    QFETCH(QByteArray, bytes);
    ReadingFile reading;
    reading.spreadName = "Kept";
    reading.comments = "kept";
    QString error;
    QCOMPARE(reading.parse(bytes, 1, &error), ReadingFile::ParseResult::Unreadable);
    QVERIFY(!error.isEmpty());
    QCOMPARE(reading.spreadName, QByteArray("Kept"));
    QCOMPARE(reading.comments, QByteArray("kept"));
    QVERIFY(reading.cards.isEmpty());
}

void TestReadingFile::everyCutBeforeTheCommentsIsRefused()
{
    const QByteArray comments = "end";
    const QByteArray bytes = finishedReading(79, 5, comments).file.write();
    // Cut after the last position line's CR, the file is still whole.
    const int whole = int(bytes.size() - comments.size() - 1);
    for (int length = 1; length < bytes.size(); ++length) {
        ReadingFile reading;
        const ReadingFile::ParseResult result = reading.parse(bytes.left(length), 5);
        if (length < whole) {
            QVERIFY2(result == ReadingFile::ParseResult::Unreadable,
                     qPrintable(QString::number(length)));
        } else {
            QCOMPARE(result, ReadingFile::ParseResult::Ok);
            QCOMPARE(reading.comments, comments.left(qMax(0, length - whole - 1)));
        }
    }
}

void TestReadingFile::memoCommentsUseCrLf()
{
    const QByteArray stored = ReadingFile::commentsFromMemo(QStringLiteral("One\nTwo\r\n\nFour"));
    QCOMPARE(stored, QByteArray("One\r\nTwo\r\n\r\nFour"));
    QCOMPARE(ReadingFile::commentsForMemo(stored, QStringLiteral("English")),
             QStringLiteral("One\nTwo\n\nFour"));
    // Comments made on an older system are in the language's code page.
    QCOMPARE(ReadingFile::commentsForMemo("\xc4\xe0\r\n", QStringLiteral("Russian")),
             QStringLiteral("\u0414\u0430\n"));
}

void TestReadingFile::readsBodiesWithAnyLineEnd_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR") << QByteArray("\r");
}

void TestReadingFile::readsBodiesWithAnyLineEnd()
{
    // A body whose line ends were rewritten reads as the CR LF original.
    QFETCH(QByteArray, lineEnd);
    const ReadingFile original = finishedReading(22, 3, "Kept\r\nas is").file;
    QByteArray plain = ScrambledText::scramble(original.write().mid(ReadingFile::HeaderLength));
    const qsizetype commentsStart = plain.size() - original.comments.size();
    plain = plain.left(commentsStart).replace("\r\n", lineEnd) + original.comments;
    ReadingFile reading;
    QString error;
    QCOMPARE(reading.parse(ReadingFile::Header + ScrambledText::scramble(plain), 3, &error),
             ReadingFile::ParseResult::Ok);
    QCOMPARE(reading.spreadName, original.spreadName);
    QCOMPARE(reading.cards, original.cards);
    QCOMPARE(reading.positions, original.positions);
    QCOMPARE(reading.comments, original.comments);
    QCOMPARE(ReadingFile::commentsForMemo("One\rTwo\nThree\r\nFour", QStringLiteral("English")),
             QStringLiteral("One\nTwo\nThree\nFour"));
}

void TestReadingFile::proposedFileName()
{
    // en_GB writes short dates as dd/MM/yyyy.
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    const QDate date(2005, 12, 31);
    QCOMPARE(ReadingFile::proposedFileName(date, british, false, QStringLiteral("Question")),
             QStringLiteral("31.12.2005 - Question"));
    QCOMPARE(ReadingFile::proposedFileName(date, british, true, QStringLiteral("Question")),
             QStringLiteral("31.12.2005 -Veldmere- Question"));
}

QTEST_GUILESS_MAIN(TestReadingFile)
#include "test_ReadingFile.moc"
