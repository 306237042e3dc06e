// Checks the reading file: the bytes written, reading them back in both
// formats, and refusing damaged files whole.
#include "core/engine/Deck.h"
#include "core/readings/ReadingFile.h"
#include "core/util/Misc.h"
#include "core/util/RandomGenerator.h"

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
    Deck::SetCards(reading.cards, deckSize, deckSize % 2 == 1, true, 1024, random);
    reading.file.SpreadName = "Question";
    for (int slot = 0; slot < deckSize; ++slot)
        reading.file.Cards.append({reading.cards[slot].Number, reading.cards[slot].Reversed != 0});
    for (int i = 0; i < positions; ++i)
        reading.file.Positions.append(reading.cards[deckSize - 1 - i].Number);
    reading.file.Comments = comments;
    return reading;
}

} // namespace

class TestReadingFile : public QObject
{
    Q_OBJECT

private slots:
    void savedReadingComesBack_data();
    void savedReadingComesBack();
    void writesGoldenBytes();
    void readsOlderFormat();
    void emptyFileIsNotAnError();
    void refusesDamagedFiles_data();
    void refusesDamagedFiles();
    void everyCutBeforeTheCommentsIsRefused();
    void memoCommentsUseCrLf();
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
    QCOMPARE(read.FileFormat, ReadingFile::Format::Current);
    QCOMPARE(read.SpreadName, QByteArray("Question"));
    QCOMPARE(read.Cards.size(), deckSize);
    int reversed = 0;
    for (int slot = 0; slot < deckSize; ++slot) {
        QCOMPARE(read.Cards[slot].Number, finished.cards[slot].Number);
        QCOMPARE(read.Cards[slot].Reversed, finished.cards[slot].Reversed != 0);
        reversed += read.Cards[slot].Reversed ? 1 : 0;
    }
    QVERIFY(reversed > 0 && reversed < deckSize);
    QCOMPARE(read.Positions.size(), 10);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(read.Positions[i], finished.cards[deckSize - 1 - i].Number);
    QCOMPARE(read.Comments, comments);
}

void TestReadingFile::writesGoldenBytes()
{
    ReadingFile reading;
    reading.SpreadName = "Question";
    for (int number = 21; number >= 0; --number)
        reading.Cards.append({quint32(number), number == 21 || number == 4});
    reading.Positions = {3, 0};
    reading.Comments = "ok";
    const QByteArray plain = "22\r\nQuestion\r\n"
                             "r21\r\n20\r\n19\r\n18\r\n17\r\n16\r\n15\r\n14\r\n13\r\n12\r\n11\r\n"
                             "10\r\n9\r\n8\r\n7\r\n6\r\n5\r\nr4\r\n3\r\n2\r\n1\r\n0\r\n"
                             "3\r\n0\r\nok";
    const QByteArray bytes = reading.write();
    QVERIFY(bytes.startsWith("!updatedformat!\xcd\xcd\xf2\xf5"));
    QCOMPARE(bytes, "!updatedformat!" + Misc::ScrambleText(plain));
}

void TestReadingFile::readsOlderFormat()
{
    QByteArray plain = "Question\r\n";
    for (int number = 0; number < 78; ++number)
        plain += (number == 77 ? "r" : "") + QByteArray::number(number) + "\r\n";
    plain += "77\r\n1\r\nold notes";
    ReadingFile reading;
    QCOMPARE(reading.parse(Misc::ScrambleText(plain), 2), ReadingFile::ParseResult::Ok);
    QCOMPARE(reading.FileFormat, ReadingFile::Format::Older);
    QCOMPARE(reading.SpreadName, QByteArray("Question"));
    QCOMPARE(reading.Cards.size(), 78);
    QVERIFY(reading.Cards[77].Reversed && !reading.Cards[76].Reversed);
    QCOMPARE(reading.Positions, QList<quint32>({77, 1}));
    QCOMPARE(reading.Comments, QByteArray("old notes"));
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
        return "!updatedformat!" + Misc::ScrambleText(plain);
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
    reading.SpreadName = "Kept";
    reading.Comments = "kept";
    QString error;
    QCOMPARE(reading.parse(bytes, 1, &error), ReadingFile::ParseResult::Unreadable);
    QVERIFY(!error.isEmpty());
    QCOMPARE(reading.SpreadName, QByteArray("Kept"));
    QCOMPARE(reading.Comments, QByteArray("kept"));
    QVERIFY(reading.Cards.isEmpty());
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
            QCOMPARE(reading.Comments, comments.left(qMax(0, length - whole - 1)));
        }
    }
}

void TestReadingFile::memoCommentsUseCrLf()
{
    const QByteArray stored = ReadingFile::commentsFromMemo(QStringLiteral("One\nTwo\r\n\nFour"));
    QCOMPARE(stored, QByteArray("One\r\nTwo\r\n\r\nFour"));
    QCOMPARE(ReadingFile::commentsForMemo(stored), QStringLiteral("One\nTwo\n\nFour"));
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
