// Checks what opening a reading file decides before the table changes: the
// spread, the deck size, the slot of every position card, and that no file,
// however damaged, gets past the checks with an out-of-range slot.
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "core/readings/ReadingOpenPlan.h"
#include "core/spreads/Spread.h"
#include "core/util/RandomGenerator.h"
#include "core/util/ScrambledText.h"
#include "core/util/WholeFile.h"

#include "NonRegularFiles.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Deck lines for a reading of `lineCount` cards: the cards of that deck in
// descending order, every third one reversed.
QList<ReadingFile::DeckCard> deckLines(int lineCount)
{
    QList<ReadingFile::DeckCard> cards;
    for (int slot = 0; slot < lineCount; ++slot) {
        quint32 number = quint32(lineCount - 1 - slot);
        if (lineCount == 23 && number == 22)
            number = 78;
        cards.append({number, slot % 3 == 0});
    }
    return cards;
}

QByteArray readingBytes(int lineCount, QList<quint32> positions, const QByteArray &comments,
                        const QByteArray &spreadName = "Question")
{
    ReadingFile reading;
    reading.spreadName = spreadName;
    reading.cards = deckLines(lineCount);
    reading.positions = std::move(positions);
    reading.comments = comments;
    return reading.write();
}

} // namespace

class TestReadingOpenPlan : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void deckFollowsTheReading_data();
    void deckFollowsTheReading();
    void cardMissingFromTheDeckTakesTheSpareSlot();
    void spreadIsLookedUpIgnoringCaseOfLatinLetters();
    void positionLinesAreCountedByTheSpread_data();
    void positionLinesAreCountedByTheSpread();
    void refusesWhatCannotBeLaid_data();
    void refusesWhatCannotBeLaid();
    void nothingToOpen();
    void opensTheGoldenFiles();
    void damagedFilesNeverPassWithBadSlots();
    void spreadFileThatCannotBeLoadedIsRefused();
    void fileThatIsNoReadingSaysSo_data();
    void fileThatIsNoReadingSaysSo();
    void specialFileIsRefusedAtOnce_data();
    void specialFileIsRefusedAtOnce();
    void spreadNameLongerThanAFileNameIsRefusedAtOnce();

private:
    [[nodiscard]] bool saveSpread(const QString &name, int positions);
    std::unique_ptr<QTemporaryDir> m_dir;
    ReadingOpenPlan::Context m_table;
};

void TestReadingOpenPlan::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("Spreads")));
    m_table = ReadingOpenPlan::Context();
    m_table.roots = m_dir->path();
    m_table.spreadNames = {QStringLiteral("Celtic"), QStringLiteral("Question")};
    QVERIFY(saveSpread(QStringLiteral("Question"), 3));
}

bool TestReadingOpenPlan::saveSpread(const QString &name, int positions)
{
    Spread spread;
    spread.positions.resize(positions);
    RandomGenerator random;
    return spread.save(Spread::filePath(m_dir->path(), name), random);
}

void TestReadingOpenPlan::deckFollowsTheReading_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<bool>("majorOnly");
    QTest::addColumn<bool>("deck79");
    QTest::addColumn<int>("deckSize");
    QTest::newRow("22 lines switch a full deck to Major Arcana") << 22 << false << false << 22;
    QTest::newRow("22 lines with the 79th card") << 22 << false << true << 23;
    QTest::newRow("78 lines switch Major Arcana off") << 78 << true << false << 78;
    QTest::newRow("78 lines keep the 79th card last") << 78 << false << true << 79;
    QTest::newRow("79 lines") << 79 << true << true << 79;
    QTest::newRow("23 lines") << 23 << false << true << 23;
    QTest::newRow("79 lines without the 79th card") << 79 << false << false << 0;
    QTest::newRow("23 lines without the 79th card") << 23 << true << false << 0;
}

void TestReadingOpenPlan::deckFollowsTheReading()
{
    QFETCH(int, lineCount);
    QFETCH(bool, majorOnly);
    QFETCH(bool, deck79);
    QFETCH(int, deckSize);
    m_table.majorOnly = majorOnly;
    m_table.deck79 = deck79;
    const QList<ReadingFile::DeckCard> lines = deckLines(lineCount);
    const QList<quint32> positions = {lines[0].number, lines[1].number,
                                      lines[lineCount - 1].number};
    const ReadingOpenPlan plan =
        ReadingOpenPlan::fromBytes(readingBytes(lineCount, positions, "notes"), m_table);
    if (deckSize == 0) {
        QCOMPARE(plan.result, ReadingOpenPlan::Outcome::NeedsDeck79);
        return;
    }
    QCOMPARE(plan.result, ReadingOpenPlan::Outcome::Ready);
    QCOMPARE(plan.spreadName, QStringLiteral("Question"));
    QCOMPARE(plan.deckSize, deckSize);
    QCOMPARE(plan.majorOnly, deckSize < 25);
    QCOMPARE(plan.reading.comments, QByteArray("notes"));

    Deck::Slots cards;
    for (Card &card : cards) {
        card.number = 99;
        card.reversed = 1;
    }
    plan.applyDeck(cards);
    for (int slot = 0; slot < lineCount; ++slot) {
        QCOMPARE(cards[slot].number, lines[slot].number);
        QCOMPARE(cards[slot].reversed != 0, lines[slot].reversed);
    }
    if (deckSize > lineCount) {
        QCOMPARE(cards[lineCount].number, quint32(Deck::ExtraCard));
        QCOMPARE(cards[lineCount].reversed, quint8(0));
    }
    if (deckSize < Deck::SlotCount)
        QCOMPARE(cards[deckSize].number, 99u); // the spare slot is left alone
    QCOMPARE(plan.positionSlots, QList<int>({0, 1, lineCount - 1}));
}

void TestReadingOpenPlan::cardMissingFromTheDeckTakesTheSpareSlot()
{
    // Major Arcana only, yet court card 40 and card 77 lie in the spread: each
    // in turn is put into the spare slot after the deck and drawn from there.
    const ReadingOpenPlan plan =
        ReadingOpenPlan::fromBytes(readingBytes(22, {40, 21, 77}, QByteArray()), m_table);
    QCOMPARE(plan.result, ReadingOpenPlan::Outcome::Ready);
    QCOMPARE(plan.positionSlots, QList<int>({22, 0, 22}));
    Deck::Slots cards;
    plan.applyDeck(cards);
    cards[22].reversed = 1;
    QCOMPARE(plan.prepareSlot(cards, 0), 22);
    QCOMPARE(cards[22].number, 40u);
    QCOMPARE(cards[22].reversed, quint8(0));
    QCOMPARE(plan.prepareSlot(cards, 1), 0);
    QCOMPARE(cards[0].number, 21u);
    QCOMPARE(plan.prepareSlot(cards, 2), 22);
    QCOMPARE(cards[22].number, 77u);
}

void TestReadingOpenPlan::spreadIsLookedUpIgnoringCaseOfLatinLetters()
{
    const ReadingOpenPlan upper =
        ReadingOpenPlan::fromBytes(readingBytes(78, {1, 2, 3}, "", "QUESTION"), m_table);
    QCOMPARE(upper.result, ReadingOpenPlan::Outcome::Ready);
    QCOMPARE(upper.spreadName, QStringLiteral("Question"));

    const QStringList names = {QStringLiteral("Été"), QStringLiteral("été")};
    QCOMPARE(ReadingOpenPlan::findSpread(names, QStringLiteral("éTé").toLocal8Bit()), 1);
    QCOMPARE(ReadingOpenPlan::findSpread(names, QStringLiteral("ÉTÉ").toLocal8Bit()), -1);
    // A reading made on an older system names its spread in the language's
    // code page: "Крест" in Windows-1251.
    const QStringList russian = {QStringLiteral("\u041a\u0440\u0435\u0441\u0442")};
    QCOMPARE(
        ReadingOpenPlan::findSpread(russian, "\xca\xf0\xe5\xf1\xf2", QStringLiteral("Russian")), 0);
    QCOMPARE(
        ReadingOpenPlan::findSpread(russian, "\xca\xf0\xe5\xf1\xf2", QStringLiteral("English")),
        -1);

    QList<QByteArray> lines = UiTextTable::builtinLines();
    lines[UiText::SpreadMissingForReading] = "This spread is not installed:";
    UiTextTable texts;
    texts.replace(lines);
    const ReadingOpenPlan missing =
        ReadingOpenPlan::fromBytes(readingBytes(78, {1, 2, 3}, "", "Nowhere"), m_table);
    QCOMPARE(missing.result, ReadingOpenPlan::Outcome::SpreadMissing);
    QCOMPARE(missing.message(texts), QStringLiteral("This spread is not installed: 'Nowhere'."));
}

void TestReadingOpenPlan::positionLinesAreCountedByTheSpread_data()
{
    // Saved with three positions (cards 1, 2, 3); the spread may have changed since.
    QTest::addColumn<int>("spreadPositions");
    QTest::addColumn<QByteArray>("comments");
    QTest::addColumn<ReadingOpenPlan::Outcome>("outcome");
    QTest::addColumn<QByteArray>("commentsRead");
    using O = ReadingOpenPlan::Outcome;
    QTest::newRow("same spread") << 3 << QByteArray("fine") << O::Ready << QByteArray("fine");
    QTest::newRow("same spread, comment starts with a laid card's number")
        << 3 << QByteArray("2\r\nfine") << O::Ready << QByteArray("2\r\nfine");
    // A comment line that is a card number cannot be told from a position line.
    QTest::newRow("spread grew, comment line is a number")
        << 4 << QByteArray("12\r\nfine") << O::Ready << QByteArray("fine");
    QTest::newRow("spread grew, comment is text")
        << 4 << QByteArray("fine") << O::SpreadChanged << QByteArray();
    QTest::newRow("spread shrank") << 2 << QByteArray("fine") << O::SpreadChanged << QByteArray();
}

void TestReadingOpenPlan::positionLinesAreCountedByTheSpread()
{
    QFETCH(int, spreadPositions);
    QFETCH(QByteArray, comments);
    QFETCH(ReadingOpenPlan::Outcome, outcome);
    QFETCH(QByteArray, commentsRead);
    QVERIFY(saveSpread(QStringLiteral("Question"), spreadPositions));
    const ReadingOpenPlan plan =
        ReadingOpenPlan::fromBytes(readingBytes(78, {1, 2, 3}, comments), m_table);
    QCOMPARE(plan.result, outcome);
    if (outcome == ReadingOpenPlan::Outcome::Ready) {
        QCOMPARE(plan.positionSlots.size(), spreadPositions);
        QCOMPARE(plan.reading.comments, commentsRead);
    } else {
        // Refused by name, never laid with the wrong cards.
        UiTextTable texts;
        QCOMPARE(plan.message(texts),
                 texts.string(UiText::ReadingSpreadChanged) + QStringLiteral(" 'Question'."));
    }
}

void TestReadingOpenPlan::refusesWhatCannotBeLaid_data()
{
    QTest::addColumn<QByteArray>("bytes");
    ReadingFile twice;
    twice.spreadName = "Question";
    twice.cards = deckLines(79);
    twice.cards[10].number = 5; // card 5 twice, card 68 nowhere
    twice.positions = {68, 1, 2};
    QTest::newRow("79 cards, position card in no slot") << twice.write();
    twice.positions = {5, 1, 2};
    QTest::newRow("card in two slots") << twice.write();
    QTest::newRow("bad deck line count")
        << QByteArray("!updatedformat!" + ScrambledText::scramble("77\r\nQuestion\r\n"));
}

void TestReadingOpenPlan::refusesWhatCannotBeLaid()
{
    QFETCH(QByteArray, bytes);
    m_table.deck79 = true;
    const ReadingOpenPlan plan = ReadingOpenPlan::fromBytes(bytes, m_table);
    QCOMPARE(plan.result, ReadingOpenPlan::Outcome::Unreadable);
    QCOMPARE(plan.message(UiTextTable()), QStringLiteral("Could not read from file."));
}

void TestReadingOpenPlan::nothingToOpen()
{
    const ReadingOpenPlan empty = ReadingOpenPlan::fromBytes(QByteArray(), m_table);
    QCOMPARE(empty.result, ReadingOpenPlan::Outcome::EmptyFile);
    QVERIFY(empty.message(UiTextTable()).isEmpty());
    const ReadingOpenPlan absent =
        ReadingOpenPlan::fromFile(m_dir->filePath(QStringLiteral("none.reading")), m_table);
    QCOMPARE(absent.result, ReadingOpenPlan::Outcome::NoSuchFile);
    QCOMPARE(absent.message(UiTextTable()), QStringLiteral("No such file!"));
}

void TestReadingOpenPlan::opensTheGoldenFiles()
{
    QVERIFY(QFile::copy(QFINDTESTDATA("data/celtic-cross.spread"),
                        Spread::filePath(m_dir->path(), QStringLiteral("Celtic Cross"))));
    QVERIFY(saveSpread(QStringLiteral("Three Cards"), 3));
    m_table.spreadNames = {QStringLiteral("Celtic Cross"), QStringLiteral("Three Cards")};

    // The Celtic Cross reading was made with the 79th card and drew its ten
    // cards from the end of the fan, the 79th first.
    const QString current = QFINDTESTDATA("data/celtic-cross.reading");
    QCOMPARE(ReadingOpenPlan::fromFile(current, m_table).result,
             ReadingOpenPlan::Outcome::NeedsDeck79);
    m_table.deck79 = true;
    const ReadingOpenPlan plan = ReadingOpenPlan::fromFile(current, m_table);
    QCOMPARE(plan.result, ReadingOpenPlan::Outcome::Ready);
    QCOMPARE(plan.spreadName, QStringLiteral("Celtic Cross"));
    QCOMPARE(plan.deckSize, 79);
    QCOMPARE(plan.positionCount, 10);
    QCOMPARE(plan.positionSlots, QList<int>({78, 77, 76, 75, 74, 73, 72, 71, 70, 69}));

    // The older reading holds cards 77 down to 0, so card n lies in slot 77 - n.
    m_table.deck79 = false;
    m_table.majorOnly = true;
    const ReadingOpenPlan older =
        ReadingOpenPlan::fromFile(QFINDTESTDATA("data/three-cards-older.reading"), m_table);
    QCOMPARE(older.result, ReadingOpenPlan::Outcome::Ready);
    QCOMPARE(older.reading.format, ReadingFile::Format::Older);
    QCOMPARE(older.spreadName, QStringLiteral("Three Cards"));
    QCOMPARE(older.deckSize, 78);
    QVERIFY(!older.majorOnly);
    QCOMPARE(older.positionSlots, QList<int>({77, 64, 37}));
}

void TestReadingOpenPlan::damagedFilesNeverPassWithBadSlots()
{
    QRandomGenerator random(1958);
    QByteArray older;
    QVERIFY(WholeFile::read(QFINDTESTDATA("data/three-cards-older.reading"), older));
    QVERIFY(saveSpread(QStringLiteral("Three Cards"), 3));
    m_table.spreadNames.append(QStringLiteral("Three Cards"));
    const QList<QByteArray> valid = {readingBytes(22, {3, 40, 21}, "a\r\nb"),
                                     readingBytes(79, {78, 0, 1}, "7"), older};
    int ready = 0;
    for (int round = 0; round < 4000; ++round) {
        QByteArray bytes = valid[round % valid.size()];
        switch (random.bounded(4)) {
        case 0: // truncated
            bytes.truncate(random.bounded(int(bytes.size())));
            break;
        case 1: // a few bytes changed
            for (int i = random.bounded(1, 4); i > 0; --i)
                bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
            break;
        case 2: // a CR LF inserted
            bytes.insert(random.bounded(int(bytes.size())), "\xf2\xf5");
            break;
        default: // noise, sometimes behind the header
            bytes = random.bounded(2) ? QByteArray("!updatedformat!") : QByteArray();
            for (int i = random.bounded(300); i > 0; --i)
                bytes.append(char(random.bounded(256)));
        }
        m_table.deck79 = random.bounded(2);
        m_table.majorOnly = random.bounded(2);
        const ReadingOpenPlan plan = ReadingOpenPlan::fromBytes(bytes, m_table);
        if (plan.result != ReadingOpenPlan::Outcome::Ready)
            continue;
        ++ready;
        QVERIFY(plan.deckSize >= plan.reading.cards.size() && plan.deckSize <= Deck::SlotCount);
        QCOMPARE(plan.positionSlots.size(), plan.positionCount);
        for (const int slot : plan.positionSlots)
            QVERIFY(slot >= 0 && slot <= plan.deckSize && slot < Deck::SlotCount);
    }
    QVERIFY(ready > 0);
}

void TestReadingOpenPlan::spreadFileThatCannotBeLoadedIsRefused()
{
    // The spread list was made at start-up; a spread file deleted or damaged
    // since then refuses the reading instead of laying empty positions.
    QList<QByteArray> lines = UiTextTable::builtinLines();
    lines[UiText::SpreadMissingForReading] = "This spread is not installed:";
    lines[UiText::SpreadUnreadable] = "The spread file is damaged.";
    UiTextTable texts;
    texts.replace(lines);

    const ReadingOpenPlan gone =
        ReadingOpenPlan::fromBytes(readingBytes(78, {1, 2, 3}, "", "Celtic"), m_table);
    QCOMPARE(gone.result, ReadingOpenPlan::Outcome::SpreadMissing);
    QCOMPARE(gone.message(texts), QStringLiteral("This spread is not installed: 'Celtic'."));

    QVERIFY(WholeFile::write(Spread::filePath(m_dir->path(), QStringLiteral("Celtic")),
                             ScrambledText::scramble("xxxxxx3\r\n1,1,a\r\n")));
    const ReadingOpenPlan damaged =
        ReadingOpenPlan::fromBytes(readingBytes(78, {1, 2, 3}, "", "Celtic"), m_table);
    QCOMPARE(damaged.result, ReadingOpenPlan::Outcome::SpreadUnreadable);
    // The message names the spread and says what is wrong with its file.
    const QString message = damaged.message(texts);
    QVERIFY2(message.startsWith(QStringLiteral("The spread file is damaged. 'Celtic'.\n\n")),
             qPrintable(message));
    QVERIFY2(message.size() > 40, qPrintable(message));
}

void TestReadingOpenPlan::fileThatIsNoReadingSaysSo_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20);
    QTest::newRow("text with line ends")
        << QByteArray("Dear diary,\r\ntoday I drew\r\nthe Tower.\r\n");
    QTest::newRow("text without line ends") << QByteArray("just a few words");
    QTest::newRow("older reading cut short") << ScrambledText::scramble("Question\r\n1\r\n2\r\n");
}

void TestReadingOpenPlan::fileThatIsNoReadingSaysSo()
{
    // A file without the reading header that does not hold a whole deck is
    // not taken for an older reading: the message names the file, not its
    // first bytes as a spread.
    QFETCH(QByteArray, bytes);
    const QString path = m_dir->filePath(QStringLiteral("holiday.reading"));
    QVERIFY(WholeFile::write(path, bytes));
    QList<QByteArray> lines(UiText::NotAReadingFile + 1);
    lines[UiText::NotAReadingFile] = "This is not a reading file:";
    UiTextTable texts;
    texts.replace(lines);

    const ReadingOpenPlan plan = ReadingOpenPlan::fromFile(path, m_table);
    QCOMPARE(plan.result, ReadingOpenPlan::Outcome::NotAReadingFile);
    QCOMPARE(plan.message(texts), QStringLiteral("This is not a reading file: 'holiday.reading'."));
    // Without the line in the language file, the English words stand in.
    QCOMPARE(plan.message(UiTextTable()),
             QStringLiteral("This is not a reading file: 'holiday.reading'."));
}

void TestReadingOpenPlan::specialFileIsRefusedAtOnce_data()
{
    NonRegularFiles::addRows();
}

void TestReadingOpenPlan::specialFileIsRefusedAtOnce()
{
    // A pipe or a device as a reading would block or fill memory; it is
    // refused before it is opened, with a message that names it.
    QFETCH(QString, kind);
    const QString path = m_dir->filePath(QStringLiteral("special.reading"));
    QVERIFY(NonRegularFiles::make(path, kind));
    QElapsedTimer clock;
    clock.start();
    const ReadingOpenPlan plan = ReadingOpenPlan::fromFile(path, m_table);
    QVERIFY(clock.elapsed() < NonRegularFiles::PromptMilliseconds);
    QCOMPARE(plan.result, ReadingOpenPlan::Outcome::Unreadable);
    const QString message = plan.message(UiTextTable());
    QVERIFY2(message.startsWith(QStringLiteral("Could not read from file.")), qPrintable(message));
    QVERIFY2(message.contains(path) && message.contains(QStringLiteral("not a regular file")),
             qPrintable(message));
}

void TestReadingOpenPlan::spreadNameLongerThanAFileNameIsRefusedAtOnce()
{
    // A megabyte of spread name is refused without being looked up, and
    // the message shows only as much of it as a spread name can have.
    m_table.spreadNames << QString(300, QLatin1Char('Q'));
    QElapsedTimer clock;
    clock.start();
    const ReadingOpenPlan plan = ReadingOpenPlan::fromBytes(
        readingBytes(78, {0, 1, 2}, "", QByteArray(1 << 20, 'Q')), m_table);
    const QString message = plan.message(UiTextTable());
    QVERIFY(clock.elapsed() < NonRegularFiles::PromptMilliseconds);
    QCOMPARE(plan.result, ReadingOpenPlan::Outcome::SpreadMissing);
    QVERIFY2(message.size() < 400 && message.contains(QString(248, QLatin1Char('Q'))),
             qPrintable(message));
}

QTEST_GUILESS_MAIN(TestReadingOpenPlan)
#include "test_ReadingOpenPlan.moc"
