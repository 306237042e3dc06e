// Checks the shuffle frame: its step count, that it only exchanges the cards
// in play, how often it turns them, and a fixed-seed shuffle pinned card by card.
#include "core/engine/Shuffle.h"
#include "core/util/RandomGenerator.h"

#include "DeckSlots.h"
#include "PinnedDeal.h"

#include <QtTest>

#include <set>

class TestShuffle : public QObject
{
    Q_OBJECT

private slots:
    void frameSteps();
    void keepsEachCardOnce();
    void leavesSlotsBeyondTheDeck();
    void reversesAboutHalf();
    void fixedSeedShuffleIsPinned_data();
    void fixedSeedShuffleIsPinned();
};

void TestShuffle::frameSteps()
{
    QCOMPARE(Shuffle::stepsPerFrame(false), 251001);
    QCOMPARE(Shuffle::stepsPerFrame(true), 123201);
}

void TestShuffle::keepsEachCardOnce()
{
    RandomGenerator random;
    random.seed(3);
    Deck::Slots cards = numberedDeck(79);
    cards[40].number = 78; // any set of distinct numbers stays that set
    const QList<quint32> original = numbers(cards, 79);
    const std::set<quint32> before(original.begin(), original.end());
    Shuffle::frame(cards, 79, true, random);
    const QList<quint32> after = numbers(cards, 79);
    QCOMPARE(std::set<quint32>(after.begin(), after.end()), before);
    QVERIFY(after != original);
}

void TestShuffle::leavesSlotsBeyondTheDeck()
{
    RandomGenerator random;
    random.seed(5);
    Deck::Slots cards = numberedDeck(Deck::SlotCount);
    Shuffle::frame(cards, 22, true, random);
    for (int slot = 22; slot < Deck::SlotCount; ++slot) {
        QCOMPARE(cards[slot].number, quint32(slot));
        QCOMPARE(cards[slot].reversed, quint8(slot % 2));
    }
}

void TestShuffle::reversesAboutHalf()
{
    RandomGenerator random;
    random.seed(11);
    Deck::Slots cards = numberedDeck(78);
    int reversed = 0;
    for (int frame = 0; frame < 20; ++frame) {
        Shuffle::frame(cards, 78, true, random);
        for (int slot = 0; slot < 78; ++slot)
            reversed += cards[slot].reversed;
    }
    const double share = reversed / (20.0 * 78);
    QVERIFY2(share > 0.4 && share < 0.6, qPrintable(QString::number(share)));

    Deck::Slots upright = numberedDeck(78);
    Shuffle::frame(upright, 78, false, random);
    int stillReversed = 0;
    for (int slot = 0; slot < 78; ++slot)
        stillReversed += upright[slot].reversed;
    QCOMPARE(stillReversed, 39); // without reversals the slots keep theirs
}

void TestShuffle::fixedSeedShuffleIsPinned_data()
{
    QTest::addColumn<int>("deckSize");
    QTest::addColumn<QByteArray>("shuffled");
    QTest::newRow("78 cards") << 78 << QByteArray(PinnedDeal::Shuffled78);
    QTest::newRow("22 cards") << 22 << QByteArray(PinnedDeal::Shuffled22);
}

void TestShuffle::fixedSeedShuffleIsPinned()
{
    QFETCH(int, deckSize);
    QFETCH(QByteArray, shuffled);
    // As the table does it: deal, reseed, then shuffle frame after frame.
    RandomGenerator random;
    random.setSeedSource([] { return PinnedDeal::Seed; });
    Deck::Slots cards;
    Deck::deal(cards, deckSize, false, true, 1024, random);
    random.seedFromClock();
    for (int frame = 0; frame < PinnedDeal::Frames; ++frame)
        Shuffle::frame(cards, deckSize, true, random);
    QCOMPARE(PinnedDeal::layout(cards, deckSize), PinnedDeal::layout(shuffled.constData()));
}

QTEST_GUILESS_MAIN(TestShuffle)
#include "test_Shuffle.moc"
